#include "app/edit_support.h"

#include "aced_input.h"
#include "app/current_element.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "app/plane_check.h"
#include "core/entity_handles.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/write_rollback.h"
#include "core/message_numbers.h"
#include "core/placement_geometry.h"
#include "core/refit_joint.h"

PickResult PickEntity(ads_name out) {
    ads_point at = {0, 0, 0};
    ads_name_clear(out);
    int result = acedEntSel(nullptr, out, at);
    if (result == RTCAN)
        return PickResult::kCancelled;
    if (result != RTNORM || ads_name_nil(out))
        return PickResult::kNothing;
    return PickResult::kPicked;
}

LObject* ReloadCurrentElement(PlaneCheck check) {
    LDocState* s = CurrentDocState;
    if (!s)
        return nullptr;
    if (!ads_name_nil(s->currentEntity) && !EntityExists(s->currentEntity)) {
        // The insert was erased: the copy in memory must not act on the
        // drawing (its joints name neighbours that no longer join it).  The
        // pending start point stays.
        DestroyElement(s->current);
        s->current = nullptr;
        DestroyElement(s->neighbour);
        s->neighbour = nullptr;
        s->selectionState = kNoCurrentElement;
        s->currentConnector = -1;
        s->neighbourConnector = -1;
        PrintCommandMessage(kMsgNoCurrentElement);
        return nullptr;
    }
    SelectCurrentElement(s->currentEntity);
    if (s->current && (check == PlaneCheck::kOwn ? RefuseOtherPlane(s->current->entity)
                                                 : RefuseOtherPlaneAround(*s->current)))
        return nullptr;
    return s->current;
}

void WriteCurrent(LObject* element, LObject* neighbour, ChildWrites children) {
    WriteRollback undo;
    if ((children == ChildWrites::kAligned && element->UpdateChildren(undo) != 0) ||
        (neighbour && !WriteElement(neighbour, kWriteNeighbour, undo)) ||
        !WriteElement(element, kWriteElement, undo)) {
        ReleaseCurrentElement();
        return;
    }
    if (CurrentDocState)
        element->GetEntity(CurrentDocState->currentEntity);
    HighlightCurrent();
}

int16_t LoadTwoJoints(LObject* element, TwoJoints* out) {
    out->a = element->NextConnectedConnector(0, -1);
    out->b = out->a == -1 ? -1 : element->NextConnectedConnector(out->a, -1);
    if (out->a == -1 || out->b == -1 || out->a == out->b)
        return -1;
    out->i = element->GetConnector(out->a)->neighbourIndex;
    out->j = element->GetConnector(out->b)->neighbourIndex;
    out->orientation = element->GetOrientation();
    out->A.reset(element->LoadNeighbour(out->a));
    out->B.reset(element->LoadNeighbour(out->b));
    if (!out->A || !out->B)
        return -1;
    return CheckConnectorsFacing(0, out->A.get(), out->B.get(), out->i, out->j) == 0 ? 0 : -1;
}

void DisconnectBoth(LObject* element, TwoJoints& joints) {
    element->Disconnect(joints.A.get(), joints.a, joints.i);
    element->Disconnect(joints.B.get(), joints.b, joints.j);
}

int16_t RefitBetweenJoints(LObject* element, TwoJoints& joints, PairPreparation prepare) {
    int16_t n = element->GetConnectorCount();
    for (int16_t dk = 1; dk <= n; ++dk) {
        int16_t k = static_cast<int16_t>((joints.a + dk) % n);
        for (int16_t dl = 1; dl <= n; ++dl) {
            int16_t l = static_cast<int16_t>((joints.b + dl) % n);
            if (k == joints.a && l == joints.b && element->GetOrientation() == joints.orientation)
                continue;
            if (prepare)
                prepare(element, joints, k, l);
            int16_t fitted = RefitJoint(0, element, joints.A.get(), joints.B.get(), joints.i, joints.j, k, l);
            if (fitted == 0) {
                if (CurrentDocState)
                    element->GetEntity(CurrentDocState->currentEntity);
                HighlightCurrent();
                return 0;
            }
            if (fitted == kRefitNotWritten)
                return -1;  // said, and the drawing left as it was
        }
    }
    return -1;
}
