// "C:llist" and "C:lalist": the bill of materials of an air system chosen
// in the systems list, shown in its dialog, from which it can be saved.
#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/material_list.h"
#include "core/system_erase.h"
#include "core/system_list.h"
#include "ui/dcl/llist_dialog.h"
#include "ui/dcl/lsyslist_dialog.h"

int ListMaterials(int variant) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    LSEditDlg systems(&s->systemList);
    systems.chooseMode = 1;
    systems.Run();
    EraseSystemEntities(s->systemList, s->database);
    acedRedraw(s->currentEntity, 3);
    LSystemRecord record;
    if (systems.chosenTag[0] == '\0' || GetSystemByTag(s->systemList, &record, systems.chosenTag) != 0)
        return RTNORM;
    CollectElementInserts(record);
    BuildMaterialList(static_cast<int16_t>(variant));
    LListDlg dialog;
    dialog.base = record.labelNumberOffset;
    dialog.variant = static_cast<int16_t>(variant);
    dialog.rows = &s->numberedRows;
    dialog.Run();
    ClearMaterialLists();
    acedRedraw(s->currentEntity, 3);
    return RTNORM;
}
