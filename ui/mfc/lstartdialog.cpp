#include "ui/mfc/lstartdialog.h"

#include "core/environment.h"
#include "core/lconnector.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/system_text.h"
#include "core/type_tables.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

namespace {

constexpr int kNumberChars = 8;
constexpr int kRectTab = 0;
constexpr int kRoundTab = 1;
constexpr int kSizeLimit = 4;
constexpr int kFlowLimit = 8;
constexpr int kTagChars = 4;
// Q m3/h through A mm2: v = Q / 3600 / (A / 1e6) m/s, rounded to 277 Q / A.
constexpr double kVelocityFactor = 277.0;

CString NumberText(double value) {
    CString text;
    if (value > 0)
        text.Format(L"%lg", value);
    return text;
}

} // namespace

SystemChooser DefaultSystemChooser = nullptr;

double StartVelocity(double flow, double area) {
    if (!(flow > 0) || area == 0)
        return 0;
    return kVelocityFactor * flow / area;
}

BEGIN_MESSAGE_MAP(LStartDialog, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, kStartShapeTab, &LStartDialog::OnSelchangeTab)
    ON_EN_CHANGE(kStartFlowEdit, &LStartDialog::UpdateVelocity)
    ON_EN_CHANGE(kStartSizeAEdit, &LStartDialog::UpdateVelocity)
    ON_EN_CHANGE(kStartSizeBEdit, &LStartDialog::UpdateVelocity)
    ON_CBN_SELCHANGE(kStartDiameterList, &LStartDialog::UpdateVelocity)
    ON_BN_CLICKED(kStartSystemsButton, &LStartDialog::OnSystems)
    ON_BN_CLICKED(kHelpButton, &LStartDialog::OnHelp)
END_MESSAGE_MAP()

LStartDialog::LStartDialog(CWnd* parent)
    : CDialog(kStartDialogTemplate, parent), systems(DialogSystems()), chooseSystem(DefaultSystemChooser) {
    RegisterDialogTemplates();
}

void LStartDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kStartSizeAEdit, sizeABox);
    DDX_Control(pDX, kStartSystemList, systemBox);
    DDX_Control(pDX, kStartShapeTab, shapeTab);
    DDX_Control(pDX, kStartVelocityEdit, velocityBox);
    DDX_Control(pDX, kStartFlowEdit, flowBox);
    DDX_Control(pDX, kStartSizeBLabel, sizeBLabel);
    DDX_Control(pDX, kStartSizeALabel, sizeALabel);
    DDX_Control(pDX, kStartSizeBEdit, sizeBBox);
    DDX_Control(pDX, kStartDiameterList, diameterList);
}

BOOL LStartDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 26);
    static const int labels[][2] = {{kStartSystemLabel, 27}, {kStartSystemsButton, 28}, {kStartSectionGroup, 31}, {kStartAirGroup, 35},
                                    {kStartFlowLabel, 36}, {kStartVelocityLabel, 37}, {kStartSizeALabel, 32}, {kStartSizeBLabel, 33}};
    for (const auto& label : labels)
        SetItemText(*this, label[0], label[1]);
    result = -1;
    shapeTab.InsertItem(kRectTab, WideText(DialogText(29)).c_str());
    shapeTab.InsertItem(kRoundTab, WideText(DialogText(30)).c_str());
    shapeTab.SetCurSel(kRectTab);
    FillSystems();
    for (int i = 0; i < kStandardDiameterCount; ++i) {
        CString text;
        text.Format(L"%lg", StandardDiameters[i]);
        diameterList.AddString(text);
    }
    if (pConnector != nullptr) {
        // Each box notifies as typing does: the connector is made
        // rectangular and keeps the values shown.
        double a = pConnector->a, b = pConnector->b;
        flowBox.SetWindowText(NumberText(pConnector->flow));
        sizeABox.SetWindowText(NumberText(a));
        sizeBBox.SetWindowText(NumberText(b));
        CString diameter;
        diameter.Format(L"%lg", a);
        int index = diameterList.FindStringExact(-1, diameter);
        diameterList.SetCurSel(index == CB_ERR ? 0 : index);
    }
    ShowVelocity();
    systemBox.LimitText(kTagChars);
    sizeABox.LimitText(kSizeLimit);
    sizeBBox.LimitText(kSizeLimit);
    flowBox.LimitText(kFlowLimit);
    return TRUE;
}

void LStartDialog::FillSystems() {
    CString typed;
    systemBox.GetWindowText(typed);
    systemBox.ResetContent();
    AddSystemTags(systemBox, systems);
    systemBox.SetWindowText(typed);
}

void LStartDialog::OnSelchangeTab(NMHDR*, LRESULT* notifyResult) {
    bool round = shapeTab.GetCurSel() == kRoundTab;
    SetItemText(*this, kStartSizeALabel, round ? 34 : 32);
    int rectShow = round ? SW_HIDE : SW_SHOW;
    sizeBLabel.ShowWindow(rectShow);
    sizeABox.ShowWindow(rectShow);
    sizeBBox.ShowWindow(rectShow);
    diameterList.ShowWindow(round ? SW_SHOW : SW_HIDE);
    UpdateVelocity();
    if (notifyResult)
        *notifyResult = 0;
}

void LStartDialog::UpdateVelocity() {
    if (pConnector == nullptr)
        return;
    if (shapeTab.GetCurSel() == kRoundTab) {
        pConnector->shape = kShapeRound;
        ReadNumber(diameterList, kNumberChars, pConnector->a);
        pConnector->b = 0;
    } else {
        pConnector->shape = kShapeRect;
        ReadNumber(sizeABox, kNumberChars, pConnector->a);
        ReadNumber(sizeBBox, kNumberChars, pConnector->b);
    }
    ReadNumber(flowBox, kNumberChars, pConnector->flow);
    ShowVelocity();
}

void LStartDialog::ShowVelocity() {
    CString text;
    if (pConnector != nullptr) {
        double velocity = StartVelocity(pConnector->flow, pConnector->GetArea());
        if (velocity != 0)
            text.Format(L"%.1lf", velocity);
    }
    velocityBox.SetWindowText(text);
}

void LStartDialog::OnSystems() {
    if (chooseSystem == nullptr)
        return;
    char tag[16] = "";
    chooseSystem(tag, sizeof tag);
    // The list may have gained systems meanwhile.
    FillSystems();
    if (tag[0] != '\0')
        systemBox.SetWindowText(WideText(tag).c_str());
}

void LStartDialog::OnOK() {
    CopyFieldText(systemTag, ControlText(systemBox, kTagChars).c_str());
    if (systemTag[0] == '\0') {
        AlertMessage(kMsgNoSystem);
        return;
    }
    // A new tag would name layers that the host refuses.
    if (!IsUsableSystemTag(systemTag)) {
        AlertMessage(kMsgNoTag);
        return;
    }
    // A size of zero (or none typed) is no cross-section any element has.
    if (pConnector != nullptr &&
        !(pConnector->a > 0 && (pConnector->shape == kShapeRound || pConnector->b > 0))) {
        AlertMessage(kMsgNoSize);
        return;
    }
    result = 0;
    CDialog::OnOK();
}

void LStartDialog::OnHelp() { ShowHelp("topic_indulopont"); }
