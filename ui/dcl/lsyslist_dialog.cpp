#include "ui/dcl/lsyslist_dialog.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/drawing_context.h"
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

int CountRemovals(const LSystemList& list) {
    int n = 0;
    for (const LSystemRemoval* r = list.removals; r->next; r = r->next)
        ++n;
    return n;
}

// Forgets the removals queued after the first `keep`: their systems are
// back, so their entities stay.  The node after the kept ones becomes the
// empty tail.
void TruncateRemovals(LSystemList& list, int keep) {
    LSystemRemoval* cut = list.removals;
    for (int i = 0; i < keep && cut->next; ++i)
        cut = cut->next;
    if (!cut->next)
        return;
    delete cut->next;  // with the chain behind it
    cut->next = nullptr;
    cut->layerCount = 0;
    cut->tag[0] = '\0';
    cut->labelLayer[0] = '\0';
    std::memset(cut->layers, 0, sizeof cut->layers);
    list.removalTail = cut;
}

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
    : systems(list ? list : (CurrentDrawing() ? &CurrentDrawing()->systemList : nullptr)) {
    name = "sysedit";
    helpTopic = "topic_rendszerek";
}

int16_t LSEditDlg::SetupTiles() {
    selected = -1;
    chosenTag[0] = '\0';
    if (!systems)
        return -1;
    KeepSystems();
    ActionTile("delete", DeleteCallback);
    ActionTile("list", ListCallback);
    ActionTile("new", NewCallback);
    ActionTile("edit", EditCallback);
    ActionTile("zscale", ZScaleCallback);
    ActionTile("accept", chooseMode ? AcceptCallback : CloseWithoutChoice);
    FillList();
    return 0;
}

int16_t LSEditDlg::OnCancel() {
    RestoreSystems();
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
        dlg.DoModal();
        record.zigzagScale = dlg.scale;
        ModifySystem(*systems, &record, 0);
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

void LSEditDlg::KeepSystems() {
    kept.clear();
    keptRemovals = CountRemovals(*systems);
    for (LSystemNode* node = systems->systems; node; node = node->next) {
        Kept k;
        k.record = node->record;
        k.changeMask = node->changeMask;
        k.savedLabelOffset = node->savedLabelOffset;
        k.labelLayerChanged = node->labelLayerChanged;
        k.keepOldLabels = node->keepOldLabels;
        std::memcpy(k.oldLabelLayer, node->oldLabelLayer, sizeof k.oldLabelLayer);
        std::memcpy(k.newLabelLayer, node->newLabelLayer, sizeof k.newLabelLayer);
        kept.push_back(k);
    }
}

void LSEditDlg::RestoreSystems() {
    // Systems added while the dialog was open leave again.
    LSystemRecord r;
    for (int16_t i = 0; GetSystemByIndex(*systems, &r, i) == 0;) {
        bool wasThere = false;
        for (const Kept& k : kept)
            wasThere = wasThere || SameTag(k.record.tag, r.tag);
        if (wasThere)
            ++i;
        else
            DeleteSystem(*systems, &r);
    }
    // Deleted ones come back; edited ones get their old record and their
    // old pending changes.
    for (Kept& k : kept) {
        LSystemRecord record = k.record;
        LSystemNode* node = FindSystem(*systems, record.tag);
        if (!node) {
            AddSystem(*systems, &record);
            node = FindSystem(*systems, record.tag);
        } else {
            ModifySystem(*systems, &record, 0);
        }
        if (!node)
            continue;
        node->record = k.record;
        node->changeMask = k.changeMask;
        node->savedLabelOffset = k.savedLabelOffset;
        node->labelLayerChanged = k.labelLayerChanged;
        node->keepOldLabels = k.keepOldLabels;
        std::memcpy(node->oldLabelLayer, k.oldLabelLayer, sizeof k.oldLabelLayer);
        std::memcpy(node->newLabelLayer, k.newLabelLayer, sizeof k.newLabelLayer);
    }
    // Nothing the dialog queued for erasing is erased.
    TruncateRemovals(*systems, keptRemovals);
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
