// "C:lcur" and "C:lins": the current element picked in the drawing, and two
// picked elements between which the next placement puts its new element.
#include <cmath>
#include <cstring>

#include "aced_input.h"
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "app/place_support.h"
#include "app/plane_check.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/write_rollback.h"

namespace {

// Joined connectors whose points lie further apart than this were moved
// apart by an edit: the joint is only a record and is dropped.
constexpr double kSamePointDistance = 0.0001;
constexpr int kHighlight = 3;
constexpr int kUnhighlight = 4;

// Picks one entity; false (highlight restored, message printed for a miss)
// when there is none.
bool PickOrStop(ads_name out) {
    PickResult result = PickEntity(out);
    if (result == PickResult::kPicked)
        return true;
    HighlightCurrent();
    if (result == PickResult::kNothing)
        PrintCommandMessage(kNothingPickedMessage);
    return false;
}

double Distance(const ads_point p, const ads_point q) {
    return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) +
                     (p[2] - q[2]) * (p[2] - q[2]));
}

// Separates the first joint of first to second whose two connector points
// lie apart, and writes both; true when one was separated.
bool SeparateStrayJoint(LObject* first, LObject* second) {
    for (int16_t c = 0; c < first->GetConnectorCount(); ++c) {
        LConnector* mine = first->GetConnector(c);
        if (!mine || mine->IsFree() || std::strcmp(mine->neighbourHandle, second->HandleText()) != 0)
            continue;
        LConnector* theirs = second->GetConnector(mine->neighbourIndex);
        if (!theirs)
            continue;
        ads_point p = {0, 0, 0}, q = {0, 0, 0};
        mine->GetWorldPoint(p);
        theirs->GetWorldPoint(q);
        if (Distance(p, q) > kSamePointDistance) {
            first->Disconnect(second, c, mine->neighbourIndex);
            WriteRollback undo;
            if (WriteElement(first, kWriteNeighbour, undo))
                WriteElement(second, kWriteNeighbour, undo);  // a refusal is said and taken back
            return true;
        }
    }
    return false;
}

}  // namespace

int SetCurrentElement(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    UnhighlightCurrent();
    ads_name picked;
    if (!PickOrStop(picked))
        return RTNORM;
    ElementPtr element(LoadElementFromEntity(picked));
    if (!element) {
        HighlightCurrent();
        PrintCommandMessage(kNotAnElementMessage);
        return RTNORM;
    }
    // Nothing could be placed at it or turned by it: it stays as it is,
    // and the current element with it.
    if (RefuseOtherPlane(picked)) {
        HighlightCurrent();
        return RTNORM;
    }
    s->currentSystem = element->System();
    s->defaults.hasElements = 1;
    ads_name_set(picked, s->currentEntity);
    // The next command reloads the element and its neighbour from the pick.
    s->selectionState = 1;
    HighlightCurrent();
    return RTNORM;
}

int InsertBetween(int) {
    LDocState* s = CurrentDocState;
    if (!s)
        return RTNORM;
    UnhighlightCurrent();
    ads_name first, second;
    if (!PickOrStop(first))
        return RTNORM;
    acedRedraw(first, kHighlight);
    PickResult result = PickEntity(second);
    acedRedraw(first, kUnhighlight);
    if (result != PickResult::kPicked) {
        HighlightCurrent();
        if (result == PickResult::kNothing)
            PrintCommandMessage(kNothingPickedMessage);
        return RTNORM;
    }
    ElementPtr a(LoadElementFromEntity(first));
    ElementPtr b(a ? LoadElementFromEntity(second) : nullptr);
    if (!a || !b) {
        HighlightCurrent();
        PrintCommandMessage(kNotAnElementMessage);
        return RTNORM;
    }
    // Its connector points are not where it lies: the joint between the two
    // is kept, and nothing is placed between them.
    if (RefuseOtherPlane(first) || RefuseOtherPlane(second)) {
        HighlightCurrent();
        return RTNORM;
    }
    if (!SeparateStrayJoint(a.get(), b.get()) &&
        (a->CountFreeConnectors(-1) == 0 || b->CountFreeConnectors(-1) == 0)) {
        HighlightCurrent();
        PrintCommandMessage(kNoFreeConnectorMessage);
        return RTNORM;
    }
    ReleaseCurrentElement();
    s->selectionState = kTwoEntitiesPicked;
    s->currentSystem = a->System();
    ads_name_set(first, s->firstPick);
    ads_name_set(second, s->secondPick);
    HighlightCurrent();
    return RTNORM;
}
