// "C:lrot" and "C:lplane": the current element turned at its joint, by
// joining it with another of its connectors or by changing the plane it is
// drawn in.  A turn that finds no fitting connector or orientation leaves
// the drawing as it was.
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/type_descriptor.h"
#include "core/type_flags.h"

namespace {

constexpr int kOrientations = 6;
// Kinds that keep their plane: the path, and elements on their connector 0.
constexpr int16_t kKeepsPlane = kKindPath | kKindViaConnector;

// The element to turn, or null when there is none or it is joined on its
// own axis (then no turn is possible).
LObject* ElementToTurn() {
    LObject* e = ReloadCurrentElement();
    return e && e->CountAxisConnectors() == 0 ? e : nullptr;
}

void RotateAtStart(LDocState* s, LObject* e) {
    LConnector* start = s->startConnector;
    if (!start || s->currentConnector == -1)
        return;
    int16_t k = e->NextFreeConnector(s->currentConnector, start->shape);
    if (k == -1 || k == s->currentConnector)
        return;
    s->currentConnector = k;
    if (e->FitToConnector(start, k) != 0)
        return;
    WriteCurrent(e, nullptr, ChildWrites::kAligned);
}

void RotateAtNeighbour(LDocState* s, LObject* e) {
    LObject* n = s->neighbour;
    LConnector* theirs = n ? n->GetConnector(s->neighbourConnector) : nullptr;
    if (!theirs)
        return;
    int16_t old = s->currentConnector;
    e->Disconnect(n, old, s->neighbourConnector);
    int16_t k = e->NextFreeConnector(old, theirs->shape);
    if (k != -1 && k != old) {
        e->Connect(n, k, s->neighbourConnector);
        if (e->FitToElement(n, k, s->neighbourConnector) == 0) {
            s->currentConnector = k;
            WriteCurrent(e, n, ChildWrites::kAligned);
            return;
        }
        e->Disconnect(n, k, s->neighbourConnector);
    }
    e->Connect(n, old, s->neighbourConnector);  // the old joint again
}

void RotateBetween(LObject* e) {
    TwoJoints joints;
    if (LoadTwoJoints(e, &joints) != 0)
        return;
    DisconnectBoth(e, joints);
    RefitBetweenJoints(e, joints);
}

// Cycles the orientation at connector c until `fits` succeeds; the element
// is written then.  Back at the first orientation nothing is written.
template <typename Fits>
void CyclePlane(LObject* e, int16_t c, Fits fits) {
    int16_t first = e->GetOrientation();
    for (int turn = 0; turn < kOrientations; ++turn) {
        e->CycleOrientation(c);
        if (e->GetOrientation() == first)
            return;
        if (fits()) {
            WriteCurrent(e, nullptr, ChildWrites::kAligned);
            return;
        }
    }
}

void FitBothSizes(LObject* e, TwoJoints& joints, int16_t k, int16_t l) {
    e->FitToElement(joints.A.get(), k, joints.i);
    e->FitToElement(joints.B.get(), l, joints.j);
}

void ChangePlaneBetween(LObject* e) {
    TwoJoints joints;
    if (LoadTwoJoints(e, &joints) != 0)
        return;
    DisconnectBoth(e, joints);
    // A fitting of two sizes: each pair of its connectors is first fitted to
    // the two neighbours so that it takes both sizes.
    bool twoSizes = HasTypeFlag(e->GetTypeDesc(), kTypeFitsBothEnds);
    int16_t first = e->GetOrientation();
    for (int turn = 1; turn <= kOrientations; ++turn) {
        e->SetOrientation(static_cast<int16_t>((first + turn) % kOrientations));
        if (RefitBetweenJoints(e, joints, twoSizes ? FitBothSizes : nullptr) == 0)
            return;
    }
    e->SetOrientation(first);
}

// A child steps to the next attach position of its parent that takes it.
void ChangeAttachPosition(LObject* e) {
    if (e->NextAttachPosition() != 0 || e->AlignToParent() != 0)
        return;
    WriteCurrent(e);
}

}  // namespace

int RotateElement(int) {
    LDocState* s = CurrentDocState;
    LObject* e = s ? ElementToTurn() : nullptr;
    if (!e)
        return RTNORM;
    if (s->selectionState == 0)
        RotateAtStart(s, e);
    else if (s->selectionState == 1)
        RotateAtNeighbour(s, e);
    else if (s->selectionState == 2)
        RotateBetween(e);
    return RTNORM;
}

int ChangePlane(int) {
    LDocState* s = CurrentDocState;
    LObject* e = s ? ElementToTurn() : nullptr;
    if (!e || (e->GetKind() & kKeepsPlane))
        return RTNORM;
    if (e->GetKind() != 0) {
        ChangeAttachPosition(e);
        return RTNORM;
    }
    if (s->selectionState == 0 && s->startConnector && s->currentConnector != -1) {
        LConnector* start = s->startConnector;
        CyclePlane(e, s->currentConnector, [&] { return e->FitToConnector(start, s->currentConnector) == 0; });
    } else if (s->selectionState == 1 && s->neighbour) {
        CyclePlane(e, s->currentConnector, [&] {
            return e->FitToElement(s->neighbour, s->currentConnector, s->neighbourConnector) == 0;
        });
    } else if (s->selectionState == 2) {
        ChangePlaneBetween(e);
    }
    return RTNORM;
}
