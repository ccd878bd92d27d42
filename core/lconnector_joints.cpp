// The element's connector logic: finding free and joined connectors,
// fitting the element to a connector, joining and separating elements, and
// the connector symbols of its block.
#include <functional>

#include "core/element_load.h"
#include "core/insert_scale.h"
#include "core/lobject.h"
#include "core/null_handle.h"

static bool ShapeFits(const LConnector* c, int16_t shape) { return shape == -1 || c->shape == shape; }

static bool OffAxis(const LObject* e, const LConnector* c) {
    return c->side % 3 != e->GetOrientation() % 3;
}

LObject* LObject::LoadNeighbour(int16_t i) {
    LConnector* c = GetConnector(i);
    if (!c)
        return nullptr;
    return LoadElementFromEntity(c->neighbourEntity);
}

int16_t LObject::CountFreeConnectors(int16_t shape) {
    int16_t n = 0;
    for (int16_t i = 0; i < connectorCount; ++i) {
        LConnector* c = GetConnector(i);
        if (c && c->IsFree() && OffAxis(this, c) && ShapeFits(c, shape))
            ++n;
    }
    return n;
}

int16_t LObject::CountConnectedConnectors(int16_t shape) {
    int16_t n = 0;
    for (int16_t i = 0; i < connectorCount; ++i) {
        LConnector* c = GetConnector(i);
        if (c && !c->IsFree() && OffAxis(this, c) && ShapeFits(c, shape))
            ++n;
    }
    return n;
}

int16_t LObject::CountAxisConnectors() {
    int16_t n = 0;
    for (int16_t i = 0; i < connectorCount; ++i) {
        LConnector* c = GetConnector(i);
        if (c && !c->IsFree() && !OffAxis(this, c))
            ++n;
    }
    return n;
}

// Tries the indices after `after` in cyclic order, the start index last.
static int16_t NextPassing(const LObject* e, int16_t after,
                           const std::function<bool(const LConnector*)>& passes) {
    int n = e->GetConnectorCount();
    if (n < 1)
        return -1;
    int start = after == -1 ? n - 1 : after;
    if (start < 0 || start >= n)
        start = n - 1;
    for (int k = 1; k <= n; ++k) {
        int16_t i = static_cast<int16_t>((start + k) % n);
        const LConnector* c = e->GetConnector(i);
        if (c && passes(c))
            return i;
    }
    return -1;
}

int16_t LObject::NextFreeConnector(int16_t after, int16_t shape) {
    return NextPassing(this, after, [&](const LConnector* c) {
        return c->IsFree() && OffAxis(this, c) && ShapeFits(c, shape);
    });
}

int16_t LObject::NextFreeConnectorAnyAxis(int16_t after, int16_t shape) {
    return NextPassing(this, after, [&](const LConnector* c) { return c->IsFree() && ShapeFits(c, shape); });
}

int16_t LObject::NextConnectedConnector(int16_t after, int16_t shape) {
    return NextPassing(this, after, [&](const LConnector* c) {
        return !c->IsFree() && OffAxis(this, c) && ShapeFits(c, shape);
    });
}

// The connector's offset scaled by its owner's insert scale and turned.
static void ScaledOffset(ads_point out, const LConnector* c, const AcGeScale3d& s, double turn) {
    c->GetOffset(out);
    ScaleToDrawing(out, s);
    RotateVector2d(out, turn);
}

// Writes the size (w, h) into own connector i's parameters and checks that
// the result is a catalogue size; 0 or -1.
static int16_t TakeSize(LObject* e, LConnector* mine, double w, double h) {
    int n = e->GetParamCount();
    double* params = new double[n > 0 ? n : 1]();
    int16_t* flags = new int16_t[n > 0 ? n : 1]();
    int16_t result = mine->SetSize(params, flags, w, h);
    if (result == 0) {
        e->ApplyParams(params, flags);
        result = e->MatchCatalogue(params, flags) == 0 ? 0 : -1;
    }
    delete[] params;
    delete[] flags;
    return result;
}

// An inlet of an element whose connectors are fed apart takes the air it is
// given; the free ones (one left by a turn included) carry none, the joined
// ones keep theirs, and the element carries their sum.
static void FeedInlet(LObject* e, LConnector* inlet, double air) {
    double sum = 0.0;
    for (int16_t k = 0; k < e->GetConnectorCount(); ++k) {
        LConnector* c = e->GetConnector(k);
        if (!c)
            continue;
        if (c == inlet)
            c->flow = air;
        else if (c->IsFree())
            c->flow = 0.0;
        sum += c->flow;
    }
    e->SetFlow(sum);
}

int16_t LObject::FitToConnector(LConnector* c, int16_t i) {
    LConnector* mine = GetConnector(i);
    if (!c || !mine)
        return -1;
    if (c->flow != 0.0) {
        if (HasTypeFlag(descriptor, kTypeSeparateInlets)) {
            FeedInlet(this, mine, c->flow);
        } else if (connectorCount == 2 || HasTypeFlag(descriptor, kTypeFlowThrough)) {
            for (int16_t k = 0; k < 2 && k < connectorCount; ++k)
                if (connectors[k])
                    connectors[k]->flow = c->flow;
        } else {
            mine->flow = c->flow;
        }
    }
    if (!OffAxis(this, mine) || mine->shape != c->shape)
        return -1;
    double w = 0, h = 0;
    c->GetSize(&w, &h);
    if (TakeSize(this, mine, w, h) != 0)
        return -1;
    rotation = c->GetAngle() - mine->GetAngle() - kPi;
    // The stand-alone connector is a point of the drawing; the own offset is
    // drawn at the insert scale.
    ads_point target, own;
    c->GetOffset(target);
    ScaledOffset(own, mine, scale, rotation);
    SetPoint3d(insertionPoint, target[0] - own[0], target[1] - own[1], target[2] - own[2]);
    return 0;
}

// The axis rule of fitting A.i to B.j.
static bool AxesFit(const LObject* a, const LConnector* ca, const LObject* b, const LConnector* cb) {
    bool onA = !OffAxis(a, ca), onB = !OffAxis(b, cb);
    if (a->GetKind() & kKindViaConnector) {
        if (!onA && !onB)
            return true;
        if (onA && onB)
            return (ca->side == a->GetOrientation()) != (cb->side == b->GetOrientation());
        return false;
    }
    return !onA && !onB;
}

int16_t LObject::FitToElement(LObject* other, int16_t i, int16_t j) {
    LConnector* mine = GetConnector(i);
    LConnector* theirs = other ? other->GetConnector(j) : nullptr;
    if (!mine || !theirs)
        return -1;
    if (!AxesFit(this, mine, other, theirs) || mine->shape != theirs->shape)
        return -1;
    double w = 0, h = 0;
    theirs->GetSize(&w, &h);
    if (TakeSize(this, mine, w, h) != 0)
        return -1;
    rotation = other->rotation + theirs->GetAngle() - mine->GetAngle() - kPi;
    ads_point pb, pa;
    ScaledOffset(pb, theirs, other->scale, other->rotation);
    ScaledOffset(pa, mine, scale, rotation);
    for (int k = 0; k < 3; ++k)
        insertionPoint[k] = other->insertionPoint[k] + pb[k] - pa[k];
    return 0;
}

// One side of a join: c points at the element e's connector index.
static void JoinTo(LConnector* c, LObject* e, int16_t index) {
    c->neighbourIndex = index;
    FreeHandleText(c->neighbourHandle);
    c->neighbourHandle = CopyHandleText(e->HandleText());
    c->neighbour = e;
    e->GetEntity(c->neighbourEntity);
}

int16_t LObject::Connect(LObject* other, int16_t i, int16_t j) {
    LConnector* mine = GetConnector(i);
    LConnector* theirs = other ? other->GetConnector(j) : nullptr;
    if (!mine || !theirs)
        return 0;
    if (theirs->flow != 0.0) {
        if (HasTypeFlag(descriptor, kTypeSeparateInlets)) {
            FeedInlet(this, mine, theirs->flow);
        } else if (connectorCount == 2) {
            for (int16_t k = 0; k < 2; ++k)
                if (connectors[k])
                    connectors[k]->flow = theirs->flow;
            SetFlow(theirs->flow);
        } else {
            // The air of a joint made before (a fitting put between two
            // elements) stays; only the free ends wait for the user's split.
            for (int16_t k = 0; k < connectorCount; ++k)
                if (connectors[k] && connectors[k]->IsFree())
                    connectors[k]->flow = 0.0;
            mine->flow = theirs->flow;
        }
    }
    // An element joined to an inlet that is fed on its own (a fitting put
    // between a run and a DAF's second spigot) feeds it.
    if (mine->flow != 0.0 && HasTypeFlag(other->descriptor, kTypeSeparateInlets))
        FeedInlet(other, theirs, mine->flow);
    JoinTo(mine, other, j);
    JoinTo(theirs, this, i);
    return 0;
}

int16_t LObject::Disconnect(LObject* other, int16_t i, int16_t j) {
    LConnector* mine = GetConnector(i);
    if (!mine || mine->IsFree())
        return 0;
    mine->Clear();
    LConnector* theirs = other ? other->GetConnector(j) : nullptr;
    if (theirs && !theirs->IsFree())
        theirs->Clear();
    return 0;
}

void LObject::DrawConnectorSymbols(double extension, int16_t style, int16_t withMarks) {
    int far = orientation < 3 ? orientation + 3 : orientation - 3;
    for (int16_t i = 0; i < connectorCount; ++i) {
        const LConnector* c = GetConnector(i);
        if (!c)
            continue;
        if (c->side != far)
            c->DrawEnd(extension, style);
        else if (withMarks)
            c->DrawMark();
    }
}

void LObject::DrawConnectorEnds(double extension, int16_t style) { DrawConnectorSymbols(extension, style, 1); }
