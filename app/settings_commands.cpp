// "C:lcprop", "C:linf", "C:linfo" and "C:lairdim": the drawing's defaults in
// the options dialog, the stored data of a picked entity, the information
// box, and the airflow label of the current element.
#include "aced_input.h"
#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "core/drawing_defaults.h"
#include "core/entity_handles.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/resbuf_dump.h"
#include "core/string_convert.h"
#include "core/type_descriptor.h"
#include "core/type_flags.h"
#include "mfc.h"
#include "ui/mfc/linfodialog.h"
#include "ui/mfc/loptiondialog.h"

int EditOptions(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    LDrawingDefaults& d = s->defaults;
    LOptionDialog dlg(acedGetAcadFrame());
    dlg.scaleLocked = d.hasElements;
    dlg.scale = d.insertScale.sx;
    dlg.labelDistance = d.labelDistance;
    dlg.rectPieceLength = d.rectPieceLength;
    dlg.roundPieceLength = d.roundPieceLength;
    if (dlg.DoModal() != IDOK)
        return RTNORM;
    d.insertScale = AcGeScale3d(dlg.scale, dlg.scale, dlg.scale);
    d.labelDistance = dlg.labelDistance;
    d.rectPieceLength = dlg.rectPieceLength;
    d.roundPieceLength = dlg.roundPieceLength;
    // A dictionary that cannot be written keeps the stored values; the new
    // ones hold for this session.
    WriteDrawingDefaults(s->systemList.programDictionary, d);
    return RTNORM;
}

int ShowEntityData(int) {
    ads_name picked;
    switch (PickEntity(picked)) {
    case PickResult::kCancelled:
        return RTNORM;
    case PickResult::kNothing:
        acutPrintf(L"%s", ToWide(CommandMessage(kNothingPickedMessage)).c_str());
        return RTNORM;
    case PickResult::kPicked:
        break;
    }
    if (resbuf* list = acdbEntGetX(picked, ProgramAppFilter())) {
        DumpResbufList(list);
        acutRelRb(list);
    }
    return RTNORM;
}

int ShowInfoDialog(int) {
    CTemporaryResourceOverride resources;
    LInfoDialog dlg(acedGetAcadFrame());
    dlg.DoModal();
    return RTNORM;
}

// The label is placed by the element's own first connector and label
// anchor, so only its own plane matters, not its neighbours'.
int PlaceFlowLabel(int) {
    LObject* element = ReloadCurrentElement(PlaneCheck::kOwn);
    if (element && HasTypeFlag(element->GetTypeDesc(), kTypeFlowLabel))
        PlaceDuctLabel(element);
    return RTNORM;
}
