// "C:lmove": the current element moved to the next free connector of its
// one neighbour that has the shape of the element's joined connector.
#include "app/command_bodies.h"
#include "app/doc_state.h"
#include "app/edit_support.h"
#include "core/lconnector.h"
#include "core/lobject.h"

int MoveElement(int) {
    LDocState* s = CurrentDocState;
    LObject* e = s ? ReloadCurrentElement() : nullptr;
    if (!e || e->CountAxisConnectors() != 0 || s->selectionState != 1)
        return RTNORM;
    LObject* n = s->neighbour;
    LConnector* mine = e->GetConnector(s->currentConnector);
    if (!n || !mine)
        return RTNORM;
    int16_t old = s->neighbourConnector;
    e->Disconnect(n, s->currentConnector, old);
    int16_t m = n->NextFreeConnector(old, mine->shape);
    if (m != -1 && m != old && e->FitToElement(n, s->currentConnector, m) == 0) {
        e->Connect(n, s->currentConnector, m);
        s->neighbourConnector = m;
        WriteCurrent(e, n, ChildWrites::kAligned);
        return RTNORM;
    }
    e->Connect(n, s->currentConnector, old);  // the old joint again
    return RTNORM;
}
