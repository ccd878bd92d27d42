// "C:lstart": the start point of a new duct network.  The user picks a
// point and a direction and gives the first cross-section, airflow and air
// system in the start dialog; the result is the pending start connector
// that the next placement fits to.
#include <cstdio>

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "core/lconnector.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_erase.h"
#include "core/system_list.h"
#include "core/system_store.h"
#include "mfc.h"
#include "ui/dcl/lsyslist_dialog.h"
#include "ui/mfc/lstartdialog.h"
#include "ui/mfc/lsysdialog.h"

// The listed system of the tag, or a new one defined in the system dialog
// and added to the drawing.  The look-up cuts and upper-cases the tag in
// place, so a new system's dialog proposes its layers from the tag as it
// will be stored.  0 with the record, -1 when none came about.
static int16_t TakeOrDefineSystem(LDocState* s, char* tag, LSystemRecord* record) {
    if (GetSystemByTag(s->systemList, record, tag) == 0)
        return 0;
    LSysDialog dlg(acedGetAcadFrame());
    std::snprintf(record->tag, sizeof record->tag, "%s", tag);
    dlg.pSystem = record;
    dlg.mode = kSysNewTagSet;
    dlg.DoModal();
    if (dlg.result != 0)
        return -1;
    return AddSystem(s->systemList, record) == 0 ? 0 : -1;
}

int StartSystem(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    CTemporaryResourceOverride resources;
    LSystemRecord record;
    LConnector* start = new LConnector;
    start->side = 2;
    start->a = 100.0;
    start->b = 100.0;
    if (acedGetPoint(nullptr, ToWide(CommandMessage(150)).c_str(), start->position) == RTCAN ||
        acedGetAngle(start->position, ToWide(CommandMessage(151)).c_str(), &start->angle) == RTCAN) {
        delete start;
        return RTNORM;
    }
    LStartDialog dlg(acedGetAcadFrame());
    dlg.pConnector = start;
    dlg.chooseSystem = ChooseSystemFromList;
    dlg.DoModal();
    // Systems removed through the dialog's systems list go now, whatever
    // the dialog's end.
    EraseSystemEntities(s->systemList, s->database);
    if (dlg.result != 0 || TakeOrDefineSystem(s, dlg.systemTag, &record) != 0) {
        delete start;
        return RTNORM;
    }
    ReleaseCurrentElement();
    s->startConnector = start;
    s->currentSystem = record;
    return RTNORM;
}
