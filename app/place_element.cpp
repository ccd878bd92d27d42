// The element placement command: a new element of a chosen type is fitted
// to the pending start point, to the current element (joined to a free
// connector, sitting on an attach position, or turned on its connector 0)
// or between two picked elements (place_between.cpp).
#include <cstdint>
#include <utility>

#include "ads_types.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/place_between.h"
#include "app/place_path.h"
#include "app/place_support.h"
#include "core/insert_flags.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/write_rollback.h"
#include "core/message_numbers.h"

// Case 2: the first element of a network, at the pending start connector.
static void PlaceAtStart(int16_t page) {
    LConnector* start = CurrentDocState->startConnector;
    if (!start) {
        PrintCommandMessage(kMsgNoCurrentElement);
        return;
    }
    ElementPtr element = ChooseNewElement(page);
    if (!element)
        return;
    int16_t k = ConnectorAtStart(element.get(), start, true);
    if (k == -1)
        return;
    GiveCurrentSystem(element.get());
    int16_t first = element->GetOrientation();
    int16_t fits = element->FitToConnector(start, k);
    for (int turn = 0; fits != 0 && turn < 6; ++turn) {
        element->CycleOrientation(k);
        if (element->GetOrientation() == first)
            break;
        fits = element->FitToConnector(start, k);
    }
    if (fits != 0) {
        PrintCommandMessage(kMsgDoesNotFit);
        return;
    }
    StartWithElement(std::move(element), k);
}

// Case 3a: a child on the first attach position of the current element
// that takes its kind.
static void PlaceChild(ElementPtr child) {
    LObject* parent = CurrentDocState->current;
    int16_t position = -1;
    for (int16_t p = 0; p < 6 && position == -1; ++p)
        if (parent->GetAttachMask(p) & child->GetKind())
            position = p;
    if (position == -1) {  // e.g. a grille on a fitting that takes none
        PrintCommandMessage(kMsgDoesNotFit);
        return;
    }
    GiveCurrentSystem(child.get());
    child->SetAttachPosition(static_cast<uint16_t>(position));
    if (child->AlignTo(parent) != 0) {
        PrintCommandMessage(kMsgDoesNotFit);
        return;
    }
    WriteRollback undo;
    if (!WriteElement(child.get(), kInsertAll, undo))
        return;
    parent->AddChild(child.get(), static_cast<uint16_t>(position));
    child->SetParent(parent);
    child->AlignToParent();
    if (!WriteElement(child.get(), kInsertAll, undo) || !WriteElement(parent, kInsertAll, undo)) {
        ReleaseCurrentElement();  // the parent object lists a child the drawing does not hold
        return;
    }
    MakeCurrentEntity(child.get());
    child.reset();
    ReleaseCurrentElement();
}

// Case 3b: connector 0 of the new element on a free connector of the
// current element, trying the orientations o0+1 ... o0+5 and o0 last.
static void PlaceOnConnectorZero(ElementPtr element) {
    LObject* current = CurrentDocState->current;
    GiveCurrentSystem(element.get());
    int16_t first = element->GetOrientation();
    LConnector* own = element->GetConnector(0);
    int16_t shape = own ? own->shape : -1;
    int16_t joined = -1;
    for (int turn = 1; turn <= 6 && joined == -1; ++turn) {
        element->SetOrientation(static_cast<int16_t>((first + turn) % 6));
        int16_t start = current->NextFreeConnectorAnyAxis(-1, shape);
        if (start == -1) {
            PrintCommandMessage(kMsgNoFreeConnector);
            return;
        }
        int16_t q = start;
        do {
            if (element->FitToElement(current, 0, q) == 0) {
                joined = q;
                break;
            }
            q = current->NextFreeConnectorAnyAxis(q, shape);
        } while (q != -1 && q != start);
    }
    if (joined == -1) {
        PrintCommandMessage(kMsgDoesNotFit);
        return;
    }
    WriteRollback undo;
    if (!WriteElement(element.get(), kInsertAll, undo))
        return;
    element->Connect(current, 0, joined);
    if (!WriteElement(element.get(), kInsertRefresh, undo) || !WriteElement(current, kInsertAll, undo)) {
        ReleaseCurrentElement();  // the current object is joined to an element the drawing does not hold
        return;
    }
    MakeCurrentEntity(element.get());
    element.reset();
    ReleaseCurrentElement();
}

// Case 3c (and 3d for a path element): the new element joined to the next
// free connector of the current element, becoming the current element.
static void PlaceJoined(ElementPtr made, int16_t c0) {
    LObject* current = CurrentDocState->current;
    int16_t n = current->NextFreeConnector(c0, -1);
    if (n == -1) {
        PrintCommandMessage(kMsgNoFreeConnector);
        return;
    }
    int16_t k = -1, shape = -1;
    if (MatchConnectors(current, made.get(), c0, true, &n, &k, &shape) != 0)
        return;
    LObject* element = AdvanceTo(std::move(made), k, n);
    LObject* neighbour = CurrentDocState->neighbour;
    if (FitTurning(element, neighbour, k, n) != 0) {
        PrintCommandMessage(kMsgDoesNotFit);
        return;
    }
    if (element->GetKind() == kKindPath) {
        if (EnterPathAtNeighbour(element) != 0)
            return;
    } else if (InsertJoined(element, neighbour, k, n) != 0) {
        return;
    }
    MakeCurrentEntity(element);
}

// Case 3: placement at the current element, by the new element's kind.
static void PlaceAtCurrent(int16_t page) {
    int16_t c0 = ConnectorSearchStart();
    if (!CurrentDocState->current)
        return;
    ElementPtr element = ChooseNewElement(page);
    if (!element)
        return;
    // Ordinary elements and those with the path bit are joined; bits 8 or 16
    // fit connector 0; any other kind is a child.
    int16_t kind = element->GetKind();
    if (kind & kKindViaConnector)
        PlaceOnConnectorZero(std::move(element));
    else if (kind == 0 || (kind & kKindPath))
        PlaceJoined(std::move(element), c0);
    else
        PlaceChild(std::move(element));
}

int PlaceElement(int page) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    if (!CurrentSystemListed())
        return RTNORM;
    int16_t p = static_cast<int16_t>(page);
    if (s->selectionState == kTwoEntitiesPicked) {
        PlaceBetweenPicks(p);
        return RTNORM;
    }
    SelectCurrentElement(s->currentEntity);
    if (s->selectionState == kNoCurrentElement)
        PlaceAtStart(p);
    else
        PlaceAtCurrent(p);
    return RTNORM;
}
