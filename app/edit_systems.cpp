// "C:lsys": the systems list in its editing use; a system chosen there
// becomes the current air system.
#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "core/lobject.h"
#include "core/system_erase.h"
#include "core/system_list.h"
#include "ui/dcl/lsyslist_dialog.h"

int EditSystems(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    LSEditDlg dlg(&s->systemList);
    dlg.Run();
    EraseSystemEntities(s->systemList, s->database);
    if (dlg.chosenTag[0] != '\0')
        GetSystemByTag(s->systemList, &s->currentSystem, dlg.chosenTag);
    else
        RefreshSystem(s->systemList, &s->currentSystem);
    if (s->current)
        s->current->SetSystemRecord(s->currentSystem);
    acedRedraw(s->currentEntity, 3);
    return RTNORM;
}
