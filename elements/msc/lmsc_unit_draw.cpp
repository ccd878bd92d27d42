// The symbols of the fans, heaters and filters, drawn along x in the plan
// (orientations 0 and 3) and the side view (1 and 4); seen end-on (2 and 5)
// only the connector ends show.  Casings and bases are neutral lines, the
// symbol itself is on the main pen.
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "elements/msc/lmsc_unit.h"

namespace {

// The round heater and filter stand 100 proud of their duct on each side.
constexpr double kRoundCasingOverhang = 100.0;
// Depth of the base under a rectangular fan or filter, and the heater's legs.
constexpr double kBaseDepth = 30.0;
constexpr double kLegLength = 100.0;

void Neutral(double x1, double y1, double x2, double y2) {
    ads_point p = {x1, y1, 0}, q = {x2, y2, 0};
    MakeLine(p, q);
}

void Outline(LObject& e, double x1, double y1, double x2, double y2) {
    FigureLine(e, FittingPen::kPen2, x1, y1, x2, y2);
}

void Circle(LObject& e, double x, double y, double r) {
    ads_point c = {x, y, 0};
    e.Circle(c, r);
}

// Lines through the points in turn; closed back to the first when asked.
template <size_t N>
void Polyline(LObject* e, const double (&p)[N][2], bool closed) {
    size_t ends = closed ? N : N - 1;
    for (size_t k = 0; k < ends; ++k) {
        const double* a = p[k];
        const double* b = p[(k + 1) % N];
        if (e)
            Outline(*e, a[0], a[1], b[0], b[1]);
        else
            Neutral(a[0], a[1], b[0], b[1]);
    }
}

// A base of three neutral lines hanging below the casing edge at -w/2.
void Base(double halfWidth, double w) {
    const double p[4][2] = {{-halfWidth, -w / 2},
                            {-halfWidth, -(w / 2 + kBaseDepth)},
                            {halfWidth, -(w / 2 + kBaseDepth)},
                            {halfWidth, -w / 2}};
    Polyline(nullptr, p, false);
}

// Fan: a circle with two blades whose ends lie on it.
void Fan(LObject& e, double w, double l, double s, bool plan, bool withBase) {
    double D = w <= l ? 3 * w / 4 : 3 * l / 4;
    Circle(e, 0, 0, D / 2);
    double r7 = std::sqrt(7.0) * D / 8, r15 = std::sqrt(15.0) * D / 8;
    Outline(e, -s * r7, 3 * D / 8, s * r15, D / 8);
    Outline(e, -s * r7, -3 * D / 8, s * r15, -D / 8);
    if (plan && withBase)
        Base(D / 2, w);
}

void Heater(LObject& e, UnitSymbol sign, double W, double L, bool plan) {
    double D = 2 * W / 3 <= L ? W / 2 : 3 * L / 4;
    Circle(e, 0, 0, D / 2);
    switch (sign) {
    case UnitSymbol::kPlus:
        Outline(e, 0, -D / 3, 0, D / 3);
        Outline(e, -D / 3, 0, D / 3, 0);
        break;
    case UnitSymbol::kMinus:
        Outline(e, -D / 3, 0, D / 3, 0);
        break;
    case UnitSymbol::kPlusMinus:
        Outline(e, -D / 4, -D / 12, D / 4, -D / 12);
        Outline(e, 0, D / 6, 0, -D / 3);
        Outline(e, -D / 4, D / 4, D / 4, D / 4);
        break;
    default:
        break;
    }
    if (plan) {
        Outline(e, -D / 2, -W / 2, -D / 2, -(W / 2 + kLegLength));
        Outline(e, D / 2, -(W / 2 + kLegLength), D / 2, -W / 2);
    } else {
        Circle(e, 0, -W / 2 + (W - D) / 4, D / 8);
        Circle(e, 0, W / 2 - (W - D) / 4, D / 8);
    }
}

// Filter: a zigzag or a quadrilateral across the casing; t its depth.
void Filter(LObject& e, UnitSymbol pattern, double W, double L, double s, bool plan, bool withBase,
            double w) {
    double t = W / 4 <= L / 2 ? W / 4 : L / 2;
    if (pattern == UnitSymbol::kQuadrilateral) {
        const double q[4][2] = {{-3 * s * t / 4, 3 * W / 8},
                                {3 * s * t / 4, W / 4},
                                {3 * s * t / 4, -W / 4},
                                {-3 * s * t / 4, -3 * W / 8}};
        Polyline(&e, q, true);
    } else {
        const double z[5][2] = {
            {s * t / 2, W / 2}, {-s * t / 2, W / 4}, {s * t / 2, 0}, {-s * t / 2, -W / 4}, {s * t / 2, -W / 2}};
        Polyline(&e, z, false);
    }
    if (plan && withBase)
        Base(t / 2, w);
}

}  // namespace

int16_t LMscUnit::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double e = layoutLengths[2];
    DrawConnectorEnds(e, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsPlan() && !view.IsSide())
        return block.Close();
    bool plan = view.IsPlan();
    double s = view.mirroredX ? 1.0 : -1.0;
    double w = layout.round ? d : plan ? a : b;
    // The round heater and filter sit in a wider casing between duct stubs.
    bool stubs = layout.round && layout.kind != UnitKind::kFan;
    double W = w, L = l;
    if (stubs) {
        Neutral(-l / 2, d / 2, -l / 2 + e, d / 2);
        Neutral(-l / 2, -d / 2, -l / 2 + e, -d / 2);
        double y = d / 2 + kRoundCasingOverhang;
        const double box[4][2] = {{-l / 2 + e, y}, {l / 2 - e, y}, {l / 2 - e, -y}, {-l / 2 + e, -y}};
        Polyline(nullptr, box, true);
        W = d + 2 * kRoundCasingOverhang;
        L = l - 2 * e;
    } else {
        Neutral(-l / 2, w / 2, l / 2, w / 2);
        Neutral(-l / 2, -w / 2, l / 2, -w / 2);
    }
    switch (layout.kind) {
    case UnitKind::kFan: Fan(*this, w, l, s, plan, !layout.round); break;
    case UnitKind::kHeater: Heater(*this, layout.symbol, W, L, plan); break;
    case UnitKind::kFilter: Filter(*this, layout.symbol, W, L, s, plan, !layout.round, w); break;
    }
    if (stubs) {
        Neutral(l / 2, d / 2, l / 2 - e, d / 2);
        Neutral(l / 2, -d / 2, l / 2 - e, -d / 2);
    }
    return block.Close();
}
