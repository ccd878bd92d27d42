// The properties dialog: the tiles filled from the element's kinds and
// choices, every change read back into the element at once (and the lists
// and greying brought up to date after it), the piece-length question on
// accept and the element restored on cancel.
#include "ui/dcl/loedit_dialog.h"

#include <algorithm>
#include <memory>

#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/message_format.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/type_descriptor.h"
#include "mfc.h"
#include "ui/dcl/properties_layout.h"

namespace {

constexpr const char* kHelpTopic = "topic_tulajdonsagok";
// Labels of the catalogue page, the type code and the air system.
constexpr int kFirstInfoLabel = 1;
constexpr int kInfoLabels = 3;
// The element's bill-of-materials flag when it is left out of the list; the
// "dbjegy" toggle shows the opposite, ticked for a listed element.
constexpr int16_t kNotListed = 1;
// "The standard piece length is %lg but the duct is %lg long. ..."
constexpr int kPieceLengthQuestion = 188;

// The row of a list whose value equals v, or -1.
int RowOf(const std::vector<double>& list, double v) {
    for (size_t row = 0; row < list.size(); ++row)
        if (list[row] == v)
            return static_cast<int>(row);
    return -1;
}

std::string TextOf(LDialog& dialog, const char* key) {
    std::unique_ptr<char[]> text(dialog.GetTileString(key));
    return text ? std::string(text.get()) : std::string();
}

}  // namespace

LOEditDlg::LOEditDlg() { helpTopic = kHelpTopic; }

int LOEditDlg::ShownParamCount() const {
    int n = descriptor ? descriptor->paramCount : 0;
    return std::min<int>(n, static_cast<int>(working.size()));
}

bool LOEditDlg::IsSwitch(int i) const { return descriptor && descriptor->switchParam == i; }

int16_t LOEditDlg::Kind(int i) const { return element->ParamKind(static_cast<int16_t>(i)); }

void LOEditDlg::TakeWorkingValues() {
    double* values = nullptr;
    if (element && element->GetParams(&values) == 0 && values)
        working.assign(values, values + std::max<int>(paramCount, 0));
    delete[] values;
}

int16_t LOEditDlg::Init() {
    if (!element)
        return -1;
    descriptor = element->GetTypeDesc();
    paramCount = element->GetParamCount();
    working.clear();
    TakeWorkingValues();
    if (!descriptor || working.empty() || TakeSnapshot(element, &saved) != 0)
        return -1;
    shownRows.assign(working.size(), -1);
    choices.assign(working.size(), LParamChoices{});
    valueOff.assign(working.size(), 0);
    captionOff.assign(working.size(), 0);
    name = descriptor->dialogKey;
    return 0;
}

int16_t LOEditDlg::SetupTiles() {
    for (int i = 0; i < kInfoLabels; ++i)
        SetTileString(SeriesKey("t", i).c_str(), DialogText(kFirstInfoLabel + i));
    SetTileString("l0", descriptor->cataloguePage);
    SetTileString("l1", descriptor->displayCode);
    SetTileString("l2", element->System().tag);
    SetTileSlide("sld", descriptor->slideName);
    SetTileString("dbjegy", element->listingFlag == kNotListed ? "0" : "1");
    RefreshTiles(true);
    if (saved.hasUserText)
        SetTileString("msg", saved.userText.c_str());
    for (int i = 0; i < ShownParamCount(); ++i)
        ActionTile(SeriesKey("v", i).c_str(), OnTileChange);
    for (int i = 0; i < descriptor->flowCount; ++i)
        ActionTile(SeriesKey("lm", i).c_str(), OnTileChange);
    if (descriptor->switchParam >= 0)
        ActionTile(SeriesKey("v", descriptor->switchParam).c_str(), OnTileChange);
    for (const char* key : {"num", "dbjegy", "msg"})
        ActionTile(key, OnTileChange);
    ActionTile("accept", OnAcceptTile);
    ShowValues();
    return 0;
}

void LOEditDlg::RefreshTiles(bool opening) {
    FillLists(opening);
    GreyParams();
}

// The list tiles, from the element's choices; a list the element did not
// change is left alone, so its shown row stays.
void LOEditDlg::FillLists(bool opening) {
    for (int i = 0; i < ShownParamCount(); ++i) {
        if (IsSwitch(i))
            continue;
        LParamChoices now = ElementChoices(element, static_cast<int16_t>(i));
        LParamChoices& filled = choices[static_cast<size_t>(i)];
        bool changed = opening || now.kind != filled.kind || now.items != filled.items;
        if (changed && IsListKind(now.kind)) {
            std::vector<const char*> texts;
            for (const std::string& item : now.items)
                texts.push_back(item.c_str());
            SetTileList(SeriesKey("v", i).c_str(), static_cast<int>(texts.size()), texts.data());
            shownRows[static_cast<size_t>(i)] = -1;
        }
        filled = std::move(now);
    }
}

void LOEditDlg::ShowParam(int i, int radioGroup) {
    std::string key = SeriesKey("v", i);
    double v = working[static_cast<size_t>(i)];
    int& shown = shownRows[static_cast<size_t>(i)];
    const LParamChoices& rows = choices[static_cast<size_t>(i)];
    int count = static_cast<int>(rows.items.size());
    switch (Kind(i)) {
    case kParamDiameter:
    case kParamList:
    case kParamPercent:
    case kParamLabelled:
        shown = RowOf(rows.values, v);
        break;
    case kParamTextChoice:
        shown = v >= 1.0 && v <= count ? static_cast<int>(v) - 1 : -1;
        break;
    case kParamRadio:
        SetTileIntAfter(key.c_str(), static_cast<int16_t>(v), radioGroup);
        return;
    case kParamText:
        SetTileString(key.c_str(), element->GetParamText(static_cast<int16_t>(i)).c_str());
        return;
    default:
        SetTileDouble(key.c_str(), v);
        return;
    }
    SetTileString(key.c_str(), shown >= 0 ? std::to_string(shown).c_str() : "");
}

void LOEditDlg::ReadParam(int i, int radioGroup) {
    std::string key = SeriesKey("v", i);
    double& v = working[static_cast<size_t>(i)];
    if (valueOff[static_cast<size_t>(i)])
        return;  // greyed: the user cannot have changed it
    const LParamChoices& rows = choices[static_cast<size_t>(i)];
    int count = static_cast<int>(rows.items.size());
    int kind = Kind(i);
    switch (kind) {
    case kParamDiameter:
    case kParamList:
    case kParamPercent:
    case kParamLabelled:
    case kParamTextChoice: {
        int row = GetTileInt(key.c_str());
        // A row the user did not change keeps the value: a popup list that
        // shows no row still reads as its first row.
        if (row == shownRows[static_cast<size_t>(i)])
            return;
        if (kind == kParamTextChoice) {
            v = row >= 0 && row < count ? row + 1 : 0;
            return;
        }
        if (row >= 0 && row < static_cast<int>(rows.values.size()))
            v = rows.values[static_cast<size_t>(row)];
        return;
    }
    case kParamRadio:
        v = GetTileIntAfter(key.c_str(), radioGroup);
        return;
    case kParamText:
        element->SetParamText(static_cast<int16_t>(i), TextOf(*this, key.c_str()).c_str());
        return;
    default:
        v = GetTileInt(key.c_str());
        return;
    }
}

void LOEditDlg::ShowValues() {
    int radioGroup = 0;
    for (int i = 0; i < ShownParamCount(); ++i) {
        if (IsSwitch(i))
            continue;
        SetTileString(SeriesKey("p", i).c_str(), DescCaption(descriptor, i));
        ShowParam(i, radioGroup);
        if (Kind(i) == kParamRadio)
            ++radioGroup;
    }
    int s = descriptor->switchParam;
    if (s >= 0 && s < static_cast<int>(working.size()))
        SetTileString(SeriesKey("v", s).c_str(), working[static_cast<size_t>(s)] == 1.0 ? "1" : "0");
    ShowAirflows();
}

void LOEditDlg::ShowAirflows() {
    for (int i = 0; i < descriptor->flowCount; ++i) {
        LConnector* c = element->GetConnector(DescFlowConnector(descriptor, i));
        double airflow = c ? c->flow : element->GetFlow();
        double area = c ? c->GetArea() : element->GetQuantity();
        SetTileDouble(SeriesKey("lm", i).c_str(), airflow);
        SetTileString(SeriesKey("ls", i).c_str(), VelocityText(airflow, area).c_str());
    }
}

void LOEditDlg::ReadAirflows() {
    for (int i = 0; i < descriptor->flowCount; ++i) {
        int airflow = GetTileInt(SeriesKey("lm", i).c_str());
        if (airflow < 0)
            continue;  // not a number: the airflow stays as it was
        if (LConnector* c = element->GetConnector(DescFlowConnector(descriptor, i)))
            c->flow = airflow;
        else
            element->SetFlow(airflow);
    }
}

void LOEditDlg::ReadValues() {
    int radioGroup = 0;
    for (int i = 0; i < ShownParamCount(); ++i) {
        if (IsSwitch(i))
            continue;
        ReadParam(i, radioGroup);
        if (Kind(i) == kParamRadio)
            ++radioGroup;
    }
    int s = descriptor->switchParam;
    if (s >= 0 && s < static_cast<int>(working.size()))
        working[static_cast<size_t>(s)] = GetTileInt(SeriesKey("v", s).c_str()) == 1 ? 1.0 : -1.0;
    element->listingFlag = GetTileInt("dbjegy") != 0 ? 0 : kNotListed;
    ReadAirflows();
    SetElementUserText(element, TextOf(*this, "msg").c_str());
    element->SetParams(working.data());
    TakeWorkingValues();
    // Whatever SetParams reports, the element's choices and kinds may
    // follow its new values.
    RefreshTiles(false);
}

bool LOEditDlg::PieceLengthRule(double* standard, int* lengthParam, int* pieceParam) const {
    // The straight rectangular duct and the spiral duct come in standard
    // pieces; a longer one is either one piece of its own or cut.
    if (element->GetFamily() == 1 && element->GetSubtype() == 1) {
        *standard = rectPieceLength;
        *lengthParam = 2;
        *pieceParam = 4;
        return true;
    }
    if (element->GetFamily() == 2 && element->GetSubtype() == 1) {
        *standard = roundPieceLength;
        *lengthParam = 1;
        *pieceParam = 2;
        return true;
    }
    return false;
}

void LOEditDlg::Apply() {
    double standard = 0.0;
    int lengthParam = 0, pieceParam = 0;
    if (!PieceLengthRule(&standard, &lengthParam, &pieceParam)) {
        ads_done_dialog(dialog, DLGOK);
        return;
    }
    TakeWorkingValues();
    size_t length = static_cast<size_t>(lengthParam), piece = static_cast<size_t>(pieceParam);
    if (working.size() <= std::max(length, piece) || !(working[length] > standard)) {
        ads_done_dialog(dialog, DLGOK);
        return;
    }
    std::string question = FormatMessageNumber(kPieceLengthQuestion, {standard, working[length]});
    int answer = MessageBoxW(adsw_acadMainWnd(), ToWide(question.c_str()).c_str(), L"LurakCAD",
                             MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        working[piece] = working[length];
        element->SetParams(working.data());
        ads_done_dialog(dialog, DLGOK);
        return;
    }
    working[length] = standard;
    element->SetParams(working.data());
    TakeWorkingValues();
    RefreshTiles(false);
    ShowValues();
}

// Greyed: a parameter the joints fix (caption and value), or one the
// element disables (kind -10, the value).  Everything else is woken again
// when the dialog disabled it before, and a kind -11 tile always, so a
// joint's greying outlasts any refill.
void LOEditDlg::GreyParams() {
    std::vector<int16_t> flags = GreyedParams(element, greyingMode);
    for (int i = 0; i < ShownParamCount(); ++i) {
        size_t k = static_cast<size_t>(i);
        bool greyed = k < flags.size() && flags[k] != 0;
        int16_t kind = Kind(i);
        bool off = greyed || kind == kParamDisabled;
        std::string caption = SeriesKey("p", i), value = SeriesKey("v", i);
        if (greyed)
            DisableTile(caption.c_str());
        else if (captionOff[k])
            EnableTile(caption.c_str());
        if (off)
            DisableTile(value.c_str());
        else if (valueOff[k] || kind == kParamEnabled)
            EnableTile(value.c_str());
        captionOff[k] = greyed;
        valueOff[k] = off;
    }
}

int16_t LOEditDlg::OnCancel() {
    RestoreSnapshot(element, saved);
    return 0;
}

int16_t LOEditDlg::Finish() {
    working.clear();
    return 0;
}

void LOEditDlg::OnTileChange(ads_callback_packet* packet) {
    auto* self = static_cast<LOEditDlg*>(FromPacket(packet));
    if (!self)
        return;
    self->ReadValues();
    self->ShowValues();
}

void LOEditDlg::OnAcceptTile(ads_callback_packet* packet) {
    if (auto* self = static_cast<LOEditDlg*>(FromPacket(packet)))
        self->Apply();
}
