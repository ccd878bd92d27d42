#include "ui/dcl/lsyslist_dialog.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/doc_state.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_store.h"
#include "mfc.h"
#include "ui/mfc/lscldlg.h"
#include "ui/mfc/lsysdialog.h"
#include "windows_min.h"

namespace {

constexpr const wchar_t* kBoxCaption = L"LurakCAD";

int AskBox(int message, UINT buttons) {
    return MessageBoxW(adsw_acadMainWnd(), ToWide(CommandMessage(message)).c_str(), kBoxCaption,
                       buttons);
}

bool SameTag(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

LSEditDlg* DialogOf(ads_callback_packet* packet) {
    return static_cast<LSEditDlg*>(LDialog::FromPacket(packet));
}

// "accept" in edit mode: close, nothing chosen, changes kept.
void CloseWithoutChoice(ads_callback_packet* packet) {
    if (packet)
        ads_done_dialog(packet->dialog, DLGOK);
}

} // namespace

LSEditDlg::LSEditDlg(LSystemList* list)
    : systems(list ? list : (CurrentDocState ? &CurrentDocState->systemList : nullptr)) {
    name = "sysedit";
    helpTopic = "topic_rendszerek";
}

int16_t LSEditDlg::SetupTiles() {
    selected = -1;
    chosenTag[0] = '\0';
    if (!systems)
        return -1;
    ActionTile("delete", DeleteCallback);
    ActionTile("list", ListCallback);
    ActionTile("new", NewCallback);
    ActionTile("edit", EditCallback);
    ActionTile("zscale", ZScaleCallback);
    ActionTile("accept", chooseMode ? AcceptCallback : CloseWithoutChoice);
    FillList();
    return 0;
}

int16_t LSEditDlg::Finish() {
    if (selected != -1 && !cancelled && GetSystemByIndex(*systems, &system, selected) == 0)
        std::snprintf(chosenTag, sizeof chosenTag, "%s", system.tag);
    return 0;
}

void LSEditDlg::FillList() {
    ads_start_list(dialog, L"list", 3, 0);
    LSystemRecord r;
    for (int16_t i = 0; GetSystemByIndex(*systems, &r, i) == 0; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "[%s] %s", r.tag, r.name);
        ads_add_list(ToWide(line).c_str());
    }
    ads_end_list();
}

void LSEditDlg::OnList() {
    int row = GetTileInt("list");
    if (row == -1)
        return;
    selected = static_cast<int16_t>(row);
    ads_done_dialog(dialog, DLGOK);
}

bool LSEditDlg::SelectedSystem(LSystemRecord* out, int16_t* index) {
    *index = static_cast<int16_t>(GetTileInt("list"));
    return GetSystemByIndex(*systems, out, *index) == 0;
}

void LSEditDlg::SelectTag(const char* tag) {
    LSystemRecord r;
    for (int16_t i = 0; GetSystemByIndex(*systems, &r, i) == 0; ++i)
        if (SameTag(r.tag, tag)) {
            SetTileInt("list", i);
            return;
        }
}

void LSEditDlg::OnNew() {
    LSystemRecord record;
    CTemporaryResourceOverride resources;
    LSysDialog dlg(acedGetAcadFrame());
    dlg.pSystem = &record;
    dlg.mode = kSysNew;
    dlg.systems = systems;
    dlg.DoModal();
    if (dlg.result != 0)
        return;
    AddSystem(*systems, &record);
    FillList();
    SelectTag(record.tag);
}

void LSEditDlg::OnEdit() {
    LSystemRecord record;
    int16_t index = -1;
    if (SelectedSystem(&record, &index)) {
        LSystemRecord before = record;
        LSysDialog dlg(acedGetAcadFrame());
        dlg.pSystem = &record;
        dlg.mode = kSysExisting;
        dlg.systems = systems;
        dlg.DoModal();
        // A cancelled system dialog leaves the stored record alone.
        if (dlg.result != 0) {
            FillList();
            SetTileInt("list", index);
            return;
        }
        int16_t keepOldLabels = 0;
        if (strcasecmp(record.labelLayer, before.labelLayer) != 0) {
            int answer = AskBox(182, MB_YESNOCANCEL);
            if (answer == IDCANCEL)
                return;
            keepOldLabels = answer == IDYES ? 1 : 0;
        }
        ModifySystem(*systems, &record, keepOldLabels);
    }
    FillList();
    SetTileInt("list", index);
}

void LSEditDlg::OnZScale() {
    LSystemRecord record;
    int16_t index = -1;
    if (SelectedSystem(&record, &index)) {
        CTemporaryResourceOverride resources;
        LSclDlg dlg(acedGetAcadFrame());
        dlg.system = record;
        dlg.scale = record.zigzagScale;
        if (dlg.DoModal() == IDOK) {
            record.zigzagScale = dlg.scale;
            ModifySystem(*systems, &record, 0);
        }
    }
    SetTileInt("list", index);
}

void LSEditDlg::OnDelete() {
    LSystemRecord record;
    int16_t index = -1;
    if (SelectedSystem(&record, &index) && AskBox(168, MB_OKCANCEL) == IDOK)
        DeleteSystem(*systems, &record);
    FillList();
}

void LSEditDlg::NewCallback(ads_callback_packet* p) {
    if (LSEditDlg* d = DialogOf(p))
        d->OnNew();
}
void LSEditDlg::EditCallback(ads_callback_packet* p) {
    if (LSEditDlg* d = DialogOf(p))
        d->OnEdit();
}
void LSEditDlg::DeleteCallback(ads_callback_packet* p) {
    if (LSEditDlg* d = DialogOf(p))
        d->OnDelete();
}
void LSEditDlg::ZScaleCallback(ads_callback_packet* p) {
    if (LSEditDlg* d = DialogOf(p))
        d->OnZScale();
}
void LSEditDlg::ListCallback(ads_callback_packet* p) {
    if (p && p->reason == CBR_DOUBLE_CLICK)
        if (LSEditDlg* d = DialogOf(p))
            d->OnList();
}
void LSEditDlg::AcceptCallback(ads_callback_packet* p) {
    if (LSEditDlg* d = DialogOf(p))
        d->OnList();
}

void ChooseSystemFromList(char* tag, size_t tagSize) {
    if (!tag || tagSize == 0)
        return;
    tag[0] = '\0';
    LSEditDlg dlg;
    dlg.chooseMode = 1;
    dlg.Run();
    std::snprintf(tag, tagSize, "%s", dlg.chosenTag);
}
