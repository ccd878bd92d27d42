#include "ui/dcl/ldialog.h"

#include <cstring>

#include "aced_input.h"
#include "core/environment.h"
#include "core/environment.h"
#include "core/message_format.h"
#include "core/string_convert.h"
#include "ui/dcl/slide_tile.h"
#include "ui/dcl/tile_text.h"

namespace {

// Sizes of the values read from tiles, with their terminators.
constexpr int kNumberValueSize = 32;
constexpr int kTextValueSize = 100;
constexpr int kMissingDialogMessage = 148;

}  // namespace

std::string DialogFilePath() { return std::string(InstallDirectory()) + kDialogFileName; }

void ReportMissingDialogKey(const char* key) {
    std::string text = FormatMessageNumber(kMissingDialogMessage, {key});
    acdbFail(ToWide(text.c_str()).c_str());
}

int16_t LDialog::Run() {
    cancelled = 0;
    if (Init() != 0)
        return -1;
    if (!name || !*name)
        return -1;
    // A file that cannot be loaded shows up when the dialog is opened.
    ads_load_dialog(ToWide(DialogFilePath().c_str()).c_str(), &dclId);
    if (ads_new_dialog(ToWide(name).c_str(), dclId, NULLCB, &dialog) != RTNORM) {
        ReportMissingDialogKey(name);
        ads_unload_dialog(dclId);
        dialog = nullptr;
        return -1;
    }
    ActionTile("cancel", CancelCallback);
    ActionTile("help", HelpCallback);
    if (SetupTiles() != 0) {
        ads_unload_dialog(dclId);  // also drops the dialog that never ran
        dialog = nullptr;
        return -1;
    }
    ads_start_dialog(dialog, &status);
    ads_unload_dialog(dclId);
    dialog = nullptr;
    if (cancelled == 0)
        OnOk();
    else
        OnCancel();
    return Finish();
}

LDialog* LDialog::FromPacket(const ads_callback_packet* packet) {
    return packet ? static_cast<LDialog*>(packet->client_data) : nullptr;
}

void LDialog::CancelCallback(ads_callback_packet* packet) {
    LDialog* self = FromPacket(packet);
    if (!self)
        return;
    self->cancelled = 1;
    ads_done_dialog(packet->dialog, DLGOK);
}

void LDialog::HelpCallback(ads_callback_packet* packet) {
    LDialog* self = FromPacket(packet);
    if (self && self->helpTopic)
        ShowHelp(self->helpTopic);
}

int16_t LDialog::ActionTile(const char* key, CLIENTFUNC callback) {
    std::wstring wideKey = ToWide(key);
    ads_client_data_tile(dialog, wideKey.c_str(), this);
    ads_action_tile(dialog, wideKey.c_str(), callback);
    return 0;
}

int LDialog::GetTileInt(const char* key) {
    wchar_t value[kNumberValueSize] = L"";
    ads_get_tile(dialog, ToWide(key).c_str(), value, kNumberValueSize);
    return ParseTileNumber(ToNarrowString(value).c_str());
}

int16_t LDialog::GetTileIntAfter(const char* key, int n) {
    wchar_t value[kNumberValueSize] = L"";
    ads_get_tile(dialog, ToWide(key).c_str(), value, kNumberValueSize);
    int number = ParseNumberAfterUnderscores(ToNarrowString(value).c_str(), n);
    return number < INT16_MIN || number > INT16_MAX ? -1 : static_cast<int16_t>(number);
}

char* LDialog::GetTileString(const char* key) {
    wchar_t value[kTextValueSize] = L"";
    ads_get_tile(dialog, ToWide(key).c_str(), value, kTextValueSize);
    std::string text = ToNarrowString(value);
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

int16_t LDialog::SetTileText(const char* key, const char* text) {
    ads_set_tile(dialog, ToWide(key).c_str(), ToWide(text).c_str());
    return 0;
}

int16_t LDialog::SetTileInt(const char* key, int16_t value) {
    return SetTileText(key, FormatTileInt(value).c_str());
}

int16_t LDialog::SetTileIntAfter(const char* key, int16_t value, int n) {
    return SetTileText(key, FormatNumberAfterUnderscores(value, n).c_str());
}

int16_t LDialog::SetTileDouble(const char* key, double value) {
    return SetTileText(key, FormatTileDouble(value).c_str());
}

int16_t LDialog::SetTileDouble1(const char* key, double value) {
    return SetTileText(key, FormatTileDouble1(value).c_str());
}

int16_t LDialog::SetTileString(const char* key, const char* text) {
    // A text tile holds at most 99 characters.
    std::wstring wide = ToWide(text);
    if (wide.size() >= kTextValueSize)
        wide.resize(kTextValueSize - 1);
    ads_set_tile(dialog, ToWide(key).c_str(), wide.c_str());
    return 0;
}

int16_t LDialog::EnableTile(const char* key) {
    ads_mode_tile(dialog, ToWide(key).c_str(), MODE_ENABLE);
    return 0;
}

int16_t LDialog::DisableTile(const char* key) {
    ads_mode_tile(dialog, ToWide(key).c_str(), MODE_DISABLE);
    return 0;
}

int16_t LDialog::SetTileSlide(const char* key, const char* slide) {
    return ShowSlideInTile(dialog, key, SlideReference(slide).c_str());
}

template <typename Format>
int16_t LDialog::FillList(const char* key, int count, Format entryText) {
    if (ads_start_list(dialog, ToWide(key).c_str(), LIST_NEW, 0) != RTNORM)
        return 0;
    for (int i = 0; i < count; ++i)
        ads_add_list(ToWide(entryText(i).c_str()).c_str());
    ads_end_list();
    return 0;
}

int16_t LDialog::SetTileListDoubles(const char* key, int count, const double* values) {
    if (!values)
        count = 0;
    return FillList(key, count, [values](int i) { return FormatListDouble(values[i]); });
}

int16_t LDialog::SetTileListPercent(const char* key, int count, const double* values) {
    if (!values)
        count = 0;
    return FillList(key, count, [values](int i) { return FormatListPercent(values[i]); });
}

int16_t LDialog::SetTileList(const char* key, int count, const char* const* texts) {
    if (!texts)
        count = 0;
    return FillList(key, count, [texts](int i) { return std::string(texts[i] ? texts[i] : ""); });
}
