#include "ui/dcl/llist_dialog.h"

#include <string>

#include "acdb_objects.h"
#include "aced_input.h"
#include "dxf/file_io.h"
#include "dxf/quoted_text.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/text_buffer.h"

namespace {

constexpr int kMsgCannotCreate = 161;
constexpr int kMsgSaveTitle = 162;
constexpr int kFileDialogFlags = 5;  // a new file; ask before replacing one

// ";  " and the airflow text, with the airflow variant and a text.
std::string AirflowPart(const LListEntry& row, int16_t variant) {
    if (variant == 0 || !row.text)
        return "";
    return std::string(";  ") + row.text.get();
}

const char* TagOf(const LListEntry& row) { return row.tag ? row.tag.get() : ""; }

// The alert of a file not written: the message, then why in the words a
// drawing save uses (the file's control characters replaced).
std::string CannotCreateText(const std::string& why) {
    std::string text = CommandMessage(kMsgCannotCreate);
    if (!why.empty())
        text += "\nCannot save: " + host::dxf::withoutControls(why);
    return text;
}

}  // namespace

// The row by one of two formats: (count, description) for a row without a
// number, (number, count, description) for a numbered one.
static std::string RowLine(const LListEntry& row, int32_t base, int16_t variant, const char* unnumbered,
                           const char* numbered) {
    int count = static_cast<int>(row.count);
    std::string line = row.number < 1 ? FormatText(unnumbered, count, TagOf(row))
                                      : FormatText(numbered, static_cast<int>(base + row.number), count, TagOf(row));
    return line + AirflowPart(row, variant);
}

std::string MaterialListLine(const LListEntry& row, int32_t base, int16_t variant) {
    return RowLine(row, base, variant, "      %3d x %s", "%4d  %3d x %s");
}

std::string MaterialFileLine(const LListEntry& row, int32_t base, int16_t variant) {
    return RowLine(row, base, variant, "     %d     %s", "%d     %d     %s");
}

int16_t WriteMaterialFile(const char* path, const LListEntry* rows, int32_t base, int16_t variant,
                          std::string* why) {
    if (!path)
        return -1;
    std::string text;
    for (const LListEntry* row = rows; row && !row->IsEnd(); row = row->next.get())
        text += MaterialFileLine(*row, base, variant) + "\n";
    std::string error;
    if (host::dxf::writeFileAtomically(path, text, error))
        return 0;
    if (why)
        *why = error;
    return -1;
}

LListDlg::LListDlg() {
    name = "darabj";
    helpTopic = "topic_darabjegyzek";
}

int16_t LListDlg::SetupTiles() {
    if (!rows)
        return -1;
    ActionTile("save", SaveCallback);
    if (ads_start_list(dialog, L"list", LIST_NEW, 0) != RTNORM)
        return 0;
    for (const LListEntry* row = rows; !row->IsEnd(); row = row->next.get())
        ads_add_list(ToWide(MaterialListLine(*row, base, variant).c_str()).c_str());
    ads_end_list();
    return 0;
}

void LListDlg::Save() {
    resbuf answer = {};
    if (acedGetFileD(ToWide(CommandMessage(kMsgSaveTitle)).c_str(), nullptr, L"txt", kFileDialogFlags, &answer) !=
        RTNORM)
        return;
    std::string path = answer.restype == RTSTR && answer.resval.rstring ? ToNarrowString(answer.resval.rstring) : "";
    if (answer.restype == RTSTR)
        acutDelString(answer.resval.rstring);
    if (path.empty())
        return;
    std::string why;
    if (WriteMaterialFile(path.c_str(), rows, base, variant, &why) != 0)
        acedAlert(ToWide(CannotCreateText(why).c_str()).c_str());
}

void LListDlg::SaveCallback(ads_callback_packet* packet) {
    if (auto* self = static_cast<LListDlg*>(FromPacket(packet)))
        self->Save();
}
