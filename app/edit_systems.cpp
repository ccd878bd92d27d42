// "C:lsys": the systems list in its editing use; a system chosen there
// becomes the current air system.  A current system that the list no
// longer holds is dropped, and so is a current element whose insert went
// with its system, so that nothing is placed on a deleted system.
#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "core/lobject.h"
#include "core/system_erase.h"
#include "core/system_list.h"
#include "core/xdata_list.h"
#include "ui/dcl/lsyslist_dialog.h"

int EditSystems(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    LSEditDlg dlg(&s->systemList);
    dlg.Run();
    EraseSystemEntities(s->systemList, s->database);
    int16_t found = -1;
    if (dlg.chosenTag[0] != '\0')
        found = GetSystemByTag(s->systemList, &s->currentSystem, dlg.chosenTag);
    bool systemGone = found != 0 && RefreshSystem(s->systemList, &s->currentSystem) != 0;
    if (systemGone)
        s->currentSystem = LSystemRecord();
    bool entityGone = !ads_name_nil(s->currentEntity) && !EntityIsLive(s->currentEntity);
    if (entityGone)
        ads_name_clear(s->currentEntity);
    // The pending start point and the current element were made for the
    // system that went.
    if (systemGone || entityGone)
        ReleaseCurrentElement();
    if (s->current)
        s->current->SetSystemRecord(s->currentSystem);
    acedRedraw(s->currentEntity, 3);
    return RTNORM;
}
