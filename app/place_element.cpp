// The element placement command: a new element of a chosen type is fitted
// to the pending start point, to the current element (joined to a free
// connector, sitting on an attach position, or turned on its connector 0)
// or between two picked elements (place_between.cpp).
#include <cstdint>

#include "ads_types.h"
#include "app/command_bodies.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/place_between.h"
#include "app/place_path.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/lobject.h"

// A new element of the chosen type, or null when the chooser was
// cancelled or the type has no class.
static LObject* ChooseNewElement(int16_t page) {
    int16_t subtype = 0;
    if (AskElementType(page, &subtype) != 0)
        return nullptr;
    return MakeElement(PlacementFamily(page), static_cast<uint16_t>(subtype));
}

// Case 2: the first element of a network, at the pending start connector.
static void PlaceAtStart(int16_t page) {
    LDocState* s = CurrentDocState;
    LConnector* start = s->startConnector;
    if (!start) {
        PrintCommandMessage(155);
        return;
    }
    LObject* element = ChooseNewElement(page);
    if (!element)
        return;
    if (element->GetKind() != 0) {  // only ordinary elements start a network
        DestroyElement(element);
        return;
    }
    int16_t k = element->NextFreeConnectorAnyAxis(-1, start->shape);
    if (k == -1) {
        PrintCommandMessage(156);
        DestroyElement(element);
        return;
    }
    GiveCurrentSystem(element);
    int16_t first = element->GetOrientation();
    int16_t fits = element->FitToConnector(start, k);
    for (int turn = 0; fits != 0 && turn < 6; ++turn) {
        element->CycleOrientation(k);
        if (element->GetOrientation() == first)
            break;
        fits = element->FitToConnector(start, k);
    }
    if (fits != 0) {
        PrintCommandMessage(166);
        DestroyElement(element);
        return;
    }
    element->Insert(15);
    MakeCurrentEntity(element);
    if (s->current)
        DestroyElement(s->current);
    s->current = element;
    s->currentConnector = k;
    s->selectionState = 0;
}

// Case 3a: a child on the first attach position of the current element
// that takes its kind.
static void PlaceChild(LObject* child) {
    LObject* parent = CurrentDocState->current;
    int16_t position = -1;
    for (int16_t p = 0; p < 6 && position == -1; ++p)
        if (parent->GetAttachMask(p) & child->GetKind())
            position = p;
    if (position == -1) {
        DestroyElement(child);
        return;
    }
    GiveCurrentSystem(child);
    child->SetAttachPosition(static_cast<uint16_t>(position));
    if (child->AlignTo(parent) != 0) {
        PrintCommandMessage(166);
        DestroyElement(child);
        return;
    }
    child->Insert(15);
    parent->AddChild(child, static_cast<uint16_t>(position));
    child->SetParent(parent);
    child->AlignToParent();
    child->Insert(15);
    parent->Insert(15);
    MakeCurrentEntity(child);
    DestroyElement(child);
    ReleaseCurrentElement();
}

// Case 3b: connector 0 of the new element on a free connector of the
// current element, trying the orientations o0+1 ... o0+5 and o0 last.
static void PlaceOnConnectorZero(LObject* element) {
    LObject* current = CurrentDocState->current;
    GiveCurrentSystem(element);
    int16_t first = element->GetOrientation();
    LConnector* own = element->GetConnector(0);
    int16_t shape = own ? own->shape : -1;
    int16_t joined = -1;
    for (int turn = 1; turn <= 6 && joined == -1; ++turn) {
        element->SetOrientation(static_cast<int16_t>((first + turn) % 6));
        int16_t start = current->NextFreeConnectorAnyAxis(-1, shape);
        if (start == -1) {
            PrintCommandMessage(157);
            DestroyElement(element);
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
        PrintCommandMessage(166);
        DestroyElement(element);
        return;
    }
    element->Insert(15);
    element->Connect(current, 0, joined);
    element->Insert(13);
    current->Insert(15);
    MakeCurrentEntity(element);
    DestroyElement(element);
    ReleaseCurrentElement();
}

// Case 3c (and 3d for a path element): the new element joined to the next
// free connector of the current element, becoming the current element.
static void PlaceJoined(LObject* element, int16_t c0) {
    LDocState* s = CurrentDocState;
    LObject* current = s->current;
    int16_t n = current->NextFreeConnector(c0, -1);
    if (n == -1) {
        PrintCommandMessage(157);
        DestroyElement(element);
        return;
    }
    int16_t k = element->NextFreeConnectorAnyAxis(-1, current->GetConnector(n)->shape);
    if (k == -1) {
        k = element->NextFreeConnectorAnyAxis(-1, -1);
        LConnector* own = element->GetConnector(k);
        n = own ? current->NextFreeConnector(c0, own->shape) : -1;
        if (n == -1) {
            PrintCommandMessage(156);
            DestroyElement(element);
            return;
        }
    }
    if (s->selectionState > 0)
        current->SetEdited();  // it has a neighbour already: keep its sizes
    ShiftToNewCurrent(element, k, n);
    LObject* neighbour = s->neighbour;
    GiveCurrentSystem(element);
    if (FitTurning(element, neighbour, k, n) != 0) {
        PrintCommandMessage(166);
        return;
    }
    if (element->GetKind() == kKindPath) {
        if (EnterPathAtNeighbour(element) != 0)
            return;
    } else {
        element->Insert(15);
        element->Connect(neighbour, k, n);
        element->Insert(13);
        neighbour->Insert(13);
    }
    MakeCurrentEntity(element);
}

// Case 3: placement at the current element, by the new element's kind.
static void PlaceAtCurrent(int16_t page) {
    int16_t c0 = ConnectorSearchStart();
    if (!CurrentDocState->current)
        return;
    LObject* element = ChooseNewElement(page);
    if (!element)
        return;
    // Ordinary elements and those with the path bit are joined; bits 8 or 16
    // fit connector 0; any other kind is a child.
    int16_t kind = element->GetKind();
    if (kind & kKindViaConnector)
        PlaceOnConnectorZero(element);
    else if (kind == 0 || (kind & kKindPath))
        PlaceJoined(element, c0);
    else
        PlaceChild(element);
}

int PlaceElement(int page) {
    LDocState* s = CurrentDocState;
    if (!s)
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
