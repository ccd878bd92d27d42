#include "elements/vf/vf_inline.h"

#include "core/draw_neutral.h"
#include "core/geometry.h"
#include "elements/straight_run.h"

namespace {
// Radius of the centre dot, as a share of d.
constexpr double kDotShare = 0.05;
}  // namespace

void PlaceInlineEnds(LVf& e, double d, double length) {
    for (int i = 0; i < 2; ++i)
        e.connectors[i]->a = e.connectors[i]->b = d;
    SetPoint3d(e.connectors[0]->position, length / 2, 0, 0);
    SetPoint3d(e.connectors[1]->position, -length / 2, 0, 0);
    if (e.connectors[1]->flow != e.connectors[0]->flow)
        e.connectors[1]->flow = e.connectors[0]->flow;
}

void DrawInlineCentreLine(LVf& e, double length) {
    if (e.system.roundCentreLines == 0)
        return;
    ads_point p1 = {-length / 2, 0, 0}, p2 = {length / 2, 0, 0};
    e.LineB(p1, p2);
}

void DrawMarkedBody(LVf& e, double d, double length, double s) {
    const double c = e.dimensionOffset, L = length;
    for (double y : {d / 2, -d / 2}) {
        ads_point p1 = {-L / 2, y, 0}, p2 = {L / 2, y, 0};
        MakeLine(p1, p2);
    }
    for (double x : {-L / 2 + c, L / 2 - c}) {
        ads_point p1 = {x, d / 2, 0}, p2 = {x, -d / 2, 0};
        e.Line(p1, p2);
    }
    ads_point centre = {0, 0, 0};
    e.SolidHatch(centre, kDotShare * d);
    ads_point q1 = {-s * d / 4, 3 * d / 8, 0}, q2 = {s * d / 4, -3 * d / 8, 0};
    e.DashedLine(q1, q2);
}

int16_t MarkLengthFixed(int16_t* flags, int lengthIndex) {
    if (flags)
        flags[lengthIndex] = 1;
    return 0;
}

int16_t StretchToGap(const LVf& e, double* params, int16_t* changed, int16_t connectorA,
                     int16_t connectorB, double along, double across, int lengthIndex) {
    if (!IsStraightGap(e.orientation, connectorA, connectorB, along, across) || !params || !changed)
        return -1;
    params[lengthIndex] = along;
    changed[lengthIndex] = 1;
    return 0;
}
