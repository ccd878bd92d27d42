#include "app/place_between.h"

#include "aced_input.h"
#include "app/doc_state.h"
#include "app/place_path.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/geometry.h"
#include "core/insert_flags.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/path_snapshot.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/placement_geometry.h"
#include "core/refit_joint.h"
#include "core/string_convert.h"

namespace {

// The picked elements and the facing connectors j (of first) and k (of
// second) that the new element joins.
struct Gap {
    ElementPtr first;
    ElementPtr second;
    int16_t j = -1;
    int16_t k = -1;
};

// The end of every way through case 1a that inserted the path; the path
// and the picked elements are freed by their owners.
void FinishPath(LObject* path) {
    MakeCurrentEntity(path);
    CurrentDocState->selectionState = 1;
    HighlightCurrent();
}

// Writes the path after a change; when the drawing refuses it, says so
// and puts the path back as the drawing holds it.
bool WrittenOrTakenBack(Gap& gap, LObject* path, const PathSnapshot& before) {
    if (path->Insert(kInsertAll) == 0)
        return true;
    ReportElementNotWritten(path);
    before.Restore();
    path->FitToElement(gap.first.get(), 0, gap.j);
    return false;
}

void JoinToSecond(Gap& gap, LObject* path) {
    path->Connect(gap.second.get(), 1, gap.k);
    gap.second->Insert(kInsertRefresh);
    path->Insert(kInsertRefresh);
}

// The direction the path must arrive in to face connector k of the second
// element, in the path's frame.
double ArrivalDirection(const Gap& gap, const LObject* path) {
    return ConnectorDirection(gap.second.get(), gap.k) - 3.1415926535 - path->GetRotation();
}

// Step 7: the last segment becomes two that meet where its line crosses the
// axis of connector k.  0 when both were accepted.
int16_t CloseAtCorner(Gap& gap, LObject* path, const ads_point p1) {
    LPathNode* node = path->GetPath();
    if (!node)
        return -1;
    ads_point v = {0, 0, 0};
    double t = 0.0;
    for (; node; node = node->next) {
        if (!node->next) {
            t = node->angle;
            break;
        }
        AddVector3d(v, node->offset);
    }
    ads_point q;
    ConnectorPoint(gap.first.get(), gap.j, q);
    OutOfElementFrame(path, path->GetRotation(), v);
    AddVector3d(q, v);
    ads_point corner;
    if (CornerOffset(q, path->GetRotation() + t, p1, ConnectorDirection(gap.second.get(), gap.k),
                     corner) != 0) {
        PrintCommandMessage(kMsgPathCannotTurn);  // no corner: the path stays as it is
        return -1;
    }
    PathSnapshot before(path);
    path->RemoveLastSegment();
    ads_point firstLeg;
    ads_point_set(corner, firstLeg);
    IntoElementFrame(path, path->GetRotation(), firstLeg);
    if (path->AddPathSegment(firstLeg, t) != 0)
        return -1;
    ads_point d = {p1[0] - q[0] - corner[0], p1[1] - q[1] - corner[1], p1[2] - q[2] - corner[2]};
    IntoElementFrame(path, path->GetRotation(), d);
    if (path->AddPathSegment(d, ArrivalDirection(gap, path)) != 0 || !PathStillFits(path, before)) {
        before.Restore();
        return -1;
    }
    path->FitToElement(gap.first.get(), 0, gap.j);
    if (!WrittenOrTakenBack(gap, path, before))
        return -1;
    JoinToSecond(gap, path);
    return 0;
}

// Step 6: straight on to connector k.  atOnce: no segment was laid yet.
void ClosePath(Gap& gap, LObject* path, const ads_point p0, bool atOnce) {
    ads_point p1;
    ConnectorPoint(gap.second.get(), gap.k, p1);
    ads_point d = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
    IntoElementFrame(path, path->GetRotation(), d);
    PathSnapshot before(path);
    if (path->AddPathPoint(d, ArrivalDirection(gap, path)) == 0) {
        if (!PathStillFits(path, before)) {
            FinishPath(path);  // open at the second element, as stored
            return;
        }
        path->FitToElement(gap.first.get(), 0, gap.j);
        if (!WrittenOrTakenBack(gap, path, before)) {
            if (atOnce)
                HighlightCurrent();
            else
                FinishPath(path);
            return;
        }
        if (atOnce) {
            path->Connect(gap.first.get(), 0, gap.j);
            gap.first->Insert(kInsertRefresh);
        }
        JoinToSecond(gap, path);
        FinishPath(path);
        return;
    }
    if (atOnce) {  // nothing was inserted
        HighlightCurrent();
        return;
    }
    CloseAtCorner(gap, path, p1);
    FinishPath(path);
}

// Case 1a: the path laid point by point from the first pick to the second.
void LayPathBetween(Gap& gap, LObject* path) {
    UnhighlightCurrent();
    GiveCurrentSystem(path);
    LObject* first = gap.first.get();
    path->FitToElement(first, 0, gap.j);
    const std::wstring prompt = ToWide(CommandMessage(kPromptPathPoint));
    ads_point p0, p1;
    for (;;) {
        ConnectorPoint(first, gap.j, p0);
        if (acedGetPoint(p0, prompt.c_str(), p1) != RTNORM) {
            ClosePath(gap, path, p0, true);
            return;
        }
        acutPrintf(L"\n");
        if (AddSegmentTowards(path, ConnectorDirection(first, gap.j), p0, p1) == 0)
            break;
    }
    path->FitToElement(first, 0, gap.j);
    path->Insert(kInsertAll);
    path->Connect(first, 0, gap.j);
    first->Insert(kInsertRefresh);
    path->Insert(kInsertRefresh);
    ads_point_set(p1, p0);
    while (acedGetPoint(p0, prompt.c_str(), p1) == RTNORM) {
        acutPrintf(L"\n");
        PathSnapshot before(path);
        if (AddSegmentTowards(path, path->GetRotation(), p0, p1) != 0) {
            PrintCommandMessage(kMsgPathCannotTurn);
            continue;
        }
        if (!PathStillFits(path, before))
            continue;
        path->FitToElement(first, 0, gap.j);
        if (!WrittenOrTakenBack(gap, path, before)) {
            FinishPath(path);
            return;
        }
        ads_point_set(p1, p0);
    }
    ClosePath(gap, path, p0, false);
}

// One orientation of case 1b: every pair of own connectors in turn.  0
// when fitted, -1 when no pair fits, or the refusal that ends the command
// (a run too long, an element the drawing did not take: both said).
int16_t FitsInOrientation(Gap& gap, LObject* element) {
    int16_t n = element->GetConnectorCount();
    bool twoSizeFitting = HasTypeFlag(element->GetTypeDesc(), kTypeFitsBothEnds);
    for (int16_t i = 0; i < n; ++i)
        for (int16_t m = 0; m < n; ++m) {
            if (twoSizeFitting) {
                element->SetEdited();
                element->FitToElement(gap.first.get(), i, gap.j);
                element->FitToElement(gap.second.get(), m, gap.k);
            }
            int16_t fitted = RefitJoint(1, element, gap.first.get(), gap.second.get(), gap.j, gap.k, i, m);
            if (fitted == 0 || fitted == kRefitRunTooLong || fitted == kRefitNotWritten)
                return fitted;
        }
    return -1;
}

// Case 1b: the element fitted into the gap in the first orientation and
// pair of connectors that works.
void FitBetween(Gap& gap, LObject* element) {
    LDocState* s = CurrentDocState;
    int16_t first = element->GetOrientation();
    int16_t fitted = -1;
    do {
        fitted = FitsInOrientation(gap, element);
        if (fitted == -1)
            element->SetOrientation(static_cast<int16_t>((element->GetOrientation() + 1) % 6));
    } while (fitted == -1 && element->GetOrientation() != first);
    if (fitted == 0) {
        MakeCurrentEntity(element);
        s->selectionState = 2;
    } else if (fitted == -1) {
        PrintCommandMessage(kMsgNothingFitsBetween);
    }
}

} // namespace

void PlaceBetweenPicks(int16_t page) {
    LDocState* s = CurrentDocState;
    Gap gap;
    gap.first.reset(LoadElementFromEntity(s->firstPick));
    gap.second.reset(LoadElementFromEntity(s->secondPick));
    if (!gap.first || !gap.second) {
        PrintCommandMessage(kMsgNotAnElement);
        return;
    }
    if (FindFacingFreeConnectors(gap.first.get(), gap.second.get(), &gap.j, &gap.k) != 0) {
        PrintCommandMessage(kMsgNoFacingConnectors);
        return;
    }
    ElementPtr element = ChooseNewElement(page);
    if (!element)
        return;
    if (element->GetKind() == kKindPath)
        LayPathBetween(gap, element.get());
    else
        FitBetween(gap, element.get());
}
