#include "app/place_support.h"

#include "aced_input.h"
#include "app/doc_state.h"
#include "core/element_load.h"
#include "core/insert_flags.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/write_rollback.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_list.h"
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

ElementPtr ChooseNewElement(int16_t page) {
    int16_t subtype = 0;
    if (AskElementType(page, &subtype) != 0)
        return nullptr;
    return ElementPtr(MakeElement(PlacementFamily(page), static_cast<uint16_t>(subtype)));
}

void GiveCurrentSystem(LObject* element) {
    element->SetSystemRecord(CurrentDocState->currentSystem);
}

bool CurrentSystemListed() {
    LDocState* s = CurrentDocState;
    LSystemRecord listed = s->currentSystem;
    if (listed.tag[0] == '\0' || RefreshSystem(s->systemList, &listed) == 0)
        return true;
    // The message file has no text of its own for a system deleted while
    // current: the user is asked to choose one, which is what is needed.
    PrintCommandMessage(kMsgNoSystem);
    acutPrintf(L"\n");
    return false;
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

int16_t ConnectorAtStart(LObject* element, const LConnector* start, bool anyAxis) {
    if (element->GetKind() != 0) {  // only ordinary elements start a network
        PrintCommandMessage(kMsgDoesNotFit);
        return -1;
    }
    int16_t k = anyAxis ? element->NextFreeConnectorAnyAxis(-1, start->shape)
                        : element->NextFreeConnector(-1, start->shape);
    if (k == -1)
        PrintCommandMessage(kMsgNoMatchingConnector);
    return k;
}

int16_t StartWithElement(ElementPtr element, int16_t k) {
    LDocState* s = CurrentDocState;
    WriteRollback undo;
    if (!WriteElement(element.get(), kInsertAll, undo))
        return -1;
    MakeCurrentEntity(element.get());
    if (s->current)
        DestroyElement(s->current);
    s->current = element.release();
    s->currentConnector = k;
    s->selectionState = 0;
    return 0;
}

int16_t MatchConnectors(LObject* current, LObject* element, int16_t c0, bool anyAxis, int16_t* n,
                        int16_t* k, int16_t* shape) {
    auto nextFree = [anyAxis](LObject* e, int16_t wanted) {
        return anyAxis ? e->NextFreeConnectorAnyAxis(-1, wanted) : e->NextFreeConnector(-1, wanted);
    };
    int16_t joined = current->GetConnector(*n)->shape;
    *k = nextFree(element, joined);
    if (*k == -1) {
        *k = nextFree(element, -1);
        LConnector* own = element->GetConnector(*k);
        joined = own ? own->shape : -1;
        *n = own ? current->NextFreeConnector(c0, joined) : -1;
        if (*n == -1) {
            PrintCommandMessage(kMsgNoMatchingConnector);
            return -1;
        }
    }
    *shape = joined;
    return 0;
}

LObject* AdvanceTo(ElementPtr element, int16_t k, int16_t n) {
    LDocState* s = CurrentDocState;
    if (s->selectionState > 0)
        s->current->SetEdited();  // it has a neighbour already: keep its sizes
    LObject* joined = element.release();
    ShiftToNewCurrent(joined, k, n);
    GiveCurrentSystem(joined);
    return joined;
}

int16_t InsertJoined(LObject* element, LObject* neighbour, int16_t k, int16_t n) {
    WriteRollback undo;
    bool written = WriteElement(element, kInsertAll, undo);
    if (written) {
        element->Connect(neighbour, k, n);
        written = WriteElement(element, kInsertRefresh, undo) && WriteElement(neighbour, kInsertRefresh, undo);
    }
    // Refused (said, and taken back): neither object is what the drawing
    // holds, so nothing stays current.
    if (!written)
        ReleaseCurrentElement();
    return written ? 0 : -1;
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
