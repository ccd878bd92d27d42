#include "elements/vl/lvl_offset_transition.h"

#include <algorithm>
#include <cmath>

#include "ads_entity.h"
#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_transition.h"

LVlOffsetTransition::LVlOffsetTransition(int16_t typeId, bool round)
    : LVl(typeId, 2, round ? 6 : 7), roundEnd(round) {
    connectors[0]->side = 5;
    connectors[0]->paramA = 0;
    connectors[0]->paramB = 1;
    connectors[1]->side = 2;
    if (round) {
        connectors[1]->shape = kShapeRound;
        connectors[1]->paramA = 2;
    } else {
        connectors[1]->paramA = 2;
        connectors[1]->paramB = 3;
        SetAttachMasks(32, 32, 0, 32, 32, 0);
    }
    SetFlipModes(3, 3, 3);
}

LVl06::LVl06() : LVlOffsetTransition(6, false) { SetParams(DefaultValues()); }

LVl09::LVl09() : LVlOffsetTransition(9, true) { SetParams(DefaultValues()); }

int16_t LVlOffsetTransition::GetParams(double** values) {
    double* v = new double[roundEnd ? 6 : 7];
    double* p = v;
    *p++ = a;
    *p++ = b;
    if (!roundEnd)
        *p++ = c;
    *p++ = d;
    *p++ = e;
    *p++ = f;
    *p = l;
    *values = v;
    return 0;
}

int16_t LVlOffsetTransition::SetParams(const double* v) {
    if (v) {
        double a0 = a, b0 = b, c0 = c, d0 = d;
        int k = OffsetIndex();
        if (roundEnd) {
            a = SizeOrPartner(v[0], v[2], a0);
            b = SizeOrPartner(v[1], v[2], b0);
            d = SizeOrPartner(v[2], v[1], SizeOrPartner(v[0], 0.0, d0));
        } else {
            a = SizeOrPartner(v[0], v[2], a0);
            b = SizeOrPartner(v[1], v[3], b0);
            c = SizeOrPartner(v[2], v[0], c0);
            d = SizeOrPartner(v[3], v[1], d0);
        }
        // Offsets are always taken; what is not a number is none.
        e = std::isfinite(v[k]) ? v[k] : 0.0;
        f = std::isfinite(v[k + 1]) ? v[k + 1] : 0.0;
        if (IsSize(v[k + 2]))
            l = v[k + 2];
    }
    if (!roundEnd)
        l = std::max(l, kVl06ShortestLength);
    Place();
    return 0;
}

void LVlOffsetTransition::Place() {
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = a;
    c0->b = b;
    SetPoint3d(c0->position, -l / 2, 0, 0);
    c1->a = roundEnd ? d : c;
    c1->b = roundEnd ? 0.0 : d;
    switch (orientation) {
    case 0:
        SetPoint3d(c1->position, l / 2, -e, f);
        break;
    case 1:
        SetPoint3d(c1->position, l / 2, -e, -f);
        break;
    case 3:
        SetPoint3d(c1->position, l / 2, e, -f);
        break;
    default:
        SetPoint3d(c1->position, l / 2, e, f);
        break;
    }
    if (!roundEnd)
        SetAttachOffsets((b + d) / 4 + f / 2, (a + c) / 4 - e / 2, 0, (b + d) / 4 - f / 2,
                         (a + c) / 4 + e / 2, 0);
}

int16_t LVlOffsetTransition::Mirror() {
    if (orientation % 3 == 0)
        e = -e;
    else
        f = -f;
    Place();
    return 0;
}

LObject* LVlOffsetTransition::SetOrientation(int16_t side) {
    int16_t old = orientation;
    LObject::SetOrientation(side);
    switch (old * 10 + side) {
    case 1: case 10: case 34: case 43:
        f = -f;
        break;
    case 3: case 14: case 30: case 41:
        e = -e;
        f = -f;
        break;
    case 4: case 13: case 31: case 40:
        e = -e;
        break;
    default:
        break;
    }
    Place();
    return this;
}

double LVlOffsetTransition::ShownOffset() const { return orientation % 3 == 0 ? e : f; }

int16_t LVlOffsetTransition::MarkFixedParams(int16_t* flags) {
    if (flags) {
        flags[LengthIndex()] = 1;
        flags[OffsetIndex() + (orientation % 3 == 0 ? 0 : 1)] = 1;
    }
    return roundEnd ? 0 : -1;
}

// The offsets as the drawing shows them; the end views print them as seen
// from above.
char* LVlOffsetTransition::GetDescription() {
    bool across = orientation % 3 == 1;
    double shownE = across ? -f : -e, shownF = across ? e : f;
    DescriptionText text(roundEnd ? "VL-09" : "VL-06");
    text.Size("a", a).Size("b", b);
    if (!roundEnd)
        text.Size("c", c);
    text.Size("d", d).Size("e", shownE).Size("f", shownF);
    return text.NewBuffer();
}

double LVlOffsetTransition::NearWidth() const { return orientation % 3 == 1 ? b : a; }

double LVlOffsetTransition::FarWidth() const {
    if (roundEnd)
        return d;
    return orientation % 3 == 1 ? d : c;
}

// The end views show no length and no offset: no dimension there.
int16_t LVlOffsetTransition::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    if (view.IsEnd() || view.kind == ViewKind::kNone) {
        acdbEntUpd(entity);
        return 0;
    }
    double k = ShownOffset(), h1 = NearWidth() / 2 + endMarkSize, h2 = FarWidth() / 2;
    if (!roundEnd)
        h2 += endMarkSize;
    ads_point p = {-l / 2, 0, 0}, q = {l / 2, 0, 0};
    if (view.mirroredX) {
        DimensionLength(*this, l, h2 + k, h1, h2 - k, h1);
        p[1] = k;
    } else {
        DimensionLength(*this, l, h1, h2 - k, h1, h2 + k);
        q[1] = -k;
    }
    if (std::fabs(k) > 0.0)
        DimensionOffset(*this, p, q, std::fabs(k));
    acdbEntUpd(entity);
    return 0;
}

int16_t LVlOffsetTransition::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    // The end views draw the centre line as seen from above.
    double s = view.IsEnd() ? e : ShownOffset();
    double w1 = NearWidth(), w2 = FarWidth();
    ads_point start = {-l / 2, 0, 0}, end = {l / 2, -s, 0};
    if (view.mirroredX) {
        SetPoint3d(start, -l / 2, s, 0);
        SetPoint3d(end, l / 2, 0, 0);
    }
    if (!view.IsEnd() && view.kind != ViewKind::kNone) {
        // The near end (a x b) and the far end, each with its half width.
        ads_point nearEnd = {view.mirroredX ? l / 2 : -l / 2, 0, 0};
        ads_point farEnd = {view.mirroredX ? -l / 2 : l / 2, view.mirroredX ? s : -s, 0};
        for (double side : {1.0, -1.0}) {
            ads_point p1 = {nearEnd[0], side * w1 / 2, 0};
            ads_point p2 = {farEnd[0], farEnd[1] + side * w2 / 2, 0};
            MakeLine(p1, p2);
        }
        if (roundEnd)
            for (double side : {1.0, -1.0}) {
                ads_point p1 = {nearEnd[0], side * w1 / 2, 0};
                Line(p1, farEnd);
            }
    }
    if (system.rectCentreLines != 0)
        LineB(start, end);
    return block.Close();
}

int16_t LVl09::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsInlinePair(orientation, connectorA, connectorB) || !IsSize(along) ||
        !std::isfinite(across) || !params || !changed)
        return -1;
    // The offset across the view is fitted; the other one is kept.
    changed[3] = changed[4] = changed[5] = 1;
    params[5] = along;
    params[3] = orientation % 3 == 0 ? -across : e;
    params[4] = orientation % 3 == 1 ? -across : f;
    return 0;
}

int16_t LVl09::AdjustInsertionPoint(ads_point, const double*) { return 0; }
