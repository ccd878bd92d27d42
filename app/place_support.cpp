#include "app/place_support.h"

#include "aced_input.h"
#include "app/doc_state.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "ui/dcl/type_chooser.h"

void PrintCommandMessage(int number) {
    acutPrintf(L"%s", ToWide(CommandMessage(number)).c_str());
}

static ElementTypeChooser typeChooser = ChooseElementType;

ElementTypeChooser SetElementTypeChooser(ElementTypeChooser chooser) {
    ElementTypeChooser previous = typeChooser;
    typeChooser = chooser ? chooser : ChooseElementType;
    return previous;
}

int16_t AskElementType(int16_t page, int16_t* subtype) { return typeChooser(page, subtype); }

int16_t PlacementFamily(int16_t page) { return page <= 4 ? page : 5; }

void GiveCurrentSystem(LObject* element) {
    element->SetSystemRecord(CurrentDocState->currentSystem);
}

void MakeCurrentEntity(LObject* element) {
    LDocState* s = CurrentDocState;
    s->defaults.hasElements = 1;
    element->GetEntity(s->currentEntity);
    acedRedraw(s->currentEntity, 3);
}

int16_t ConnectorSearchStart() {
    const LDocState* s = CurrentDocState;
    return s->selectionState == 0 && s->currentConnector != -1 ? s->currentConnector : -1;
}

void ShiftToNewCurrent(LObject* element, int16_t k, int16_t n) {
    LDocState* s = CurrentDocState;
    LObject* previous = s->current;
    s->current = nullptr;
    ReleaseCurrentElement();
    s->neighbour = previous;
    s->current = element;
    s->currentConnector = k;
    s->neighbourConnector = n;
}

int16_t FitTurning(LObject* element, LObject* other, int16_t own, int16_t theirs) {
    // At most six turns: the cycle skips orientations along the
    // connector's axis and so may never come back to the first one.
    int16_t first = element->GetOrientation();
    for (int turn = 0; turn < 6; ++turn) {
        if (element->FitToElement(other, own, theirs) == 0)
            return 0;
        element->CycleOrientation(own);
        if (element->GetOrientation() == first)
            break;
    }
    return -1;
}

void ConnectorPoint(const LObject* element, int16_t i, ads_point out) {
    out[0] = out[1] = out[2] = 0.0;
    if (LConnector* c = element->GetConnector(i))
        c->GetWorldPoint(out);
}

double ConnectorDirection(const LObject* element, int16_t i) {
    LConnector* c = element->GetConnector(i);
    return element->GetRotation() + (c ? c->GetAngle() : 0.0);
}
