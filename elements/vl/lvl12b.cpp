#include "elements/vl/lvl12b.h"

#include <algorithm>
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/type_tables.h"
#include "elements/vl/vl_branch_rules.h"
#include "elements/vl/vl_family.h"

namespace {

constexpr int kValueCount = 7;
constexpr int kDepthParam = 6;
constexpr double kThreeHalfPi = 4.71238898025;

int16_t VariantOf(int16_t typeId) { return typeId == kVl12LeftType ? kVl12LeftType : kVl12RightType; }

}  // namespace

LVl12B::LVl12B(int16_t typeId) : LVlNarrowingBranch(VariantOf(typeId), kValueCount) {
    BindConnectors({{2, 2, 1}, {5, 0, 1}, {0, 3, kDepthParam}});
    // Every flip mirrors the branch to the other side.
    SetFlipModes(3, 3, 3);
    TakeVariant(subtype == kVl12LeftType ? -1 : 1);
    SetParams(DefaultValues());
}

void LVl12B::TakeVariant(int16_t sign) {
    s = sign;
    subtype = sign < 0 ? kVl12LeftType : kVl12RightType;
    descriptor = TypeRow(kVlFamily, subtype);
    // The free faces of each variant, so that a mirrored element accepts
    // what the same variant read from the drawing accepts.
    if (sign < 0)
        SetAttachMasks(32, 32, 0, 32, 0, 0);
    else
        SetAttachMasks(32, 0, 0, 32, 32, 0);
}

int16_t LVl12B::Mirror() {
    TakeVariant(static_cast<int16_t>(-s));
    PlaceConnectors();
    int axis = orientation % 3;
    if (axis == 1)
        orientation = static_cast<int16_t>(orientation < 3 ? orientation + 3 : orientation - 3);
    if (axis == 1 || axis == 2)
        rotation = rotation > kPi ? rotation - kPi : rotation + kPi;
    return 0;
}

int16_t LVl12B::GetParams(double** values) {
    double* v = new double[kValueCount];
    PutValues(v);
    v[6] = a - c;
    *values = v;
    return 0;
}

int16_t LVl12B::SetParams(const double* values) {
    // An input of 0 (or anything that is not a size) keeps a value or takes
    // it from another size of the same input.
    double in[kValueCount] = {};
    bool radiusGiven = false;
    if (values) {
        for (int i = 0; i < kValueCount; ++i)
            in[i] = GivenSize(values[i]);
        radiusGiven = std::isfinite(values[5]);
        in[5] = radiusGiven ? values[5] : r;
    }
    TakeWidths(in);
    if (in[4] != 0)
        l = in[4];
    if (values)
        r = in[5];
    // A joined branch keeps its depth; a depth that leaves no narrowed end
    // (c would not be a size) is not applied.
    double depth = in[kDepthParam];
    if (depth != 0 && !connectors[2]->IsFree()) {
        if (in[3] == 0) {
            if (a - depth > 0)
                c = a - depth;
        } else {
            a = depth + c;
        }
    }
    KeepNarrowing(&a, &c, connectors[1]->IsFree());
    r = BranchRadius(r, std::max(b, d), RestoringParams());
    double shortest = collarLength + r + d + collarLength;
    if (l < shortest)
        l = shortest;
    PlaceConnectors();
    SetAttachOffsets(b / 2, a / 2, 0, b / 2, a / 2, 0);
    return 0;
}

void LVl12B::PlaceConnectors() {
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    LConnector* c2 = connectors[2];
    c0->a = c;
    c0->b = b;
    SetPoint3d(c0->position, l / 2, s * (a / 2 - c / 2), 0);
    c1->a = a;
    c1->b = b;
    SetPoint3d(c1->position, -l / 2, 0, 0);
    c2->a = d;
    c2->b = a - c;
    SetPoint3d(c2->position, -l / 2 + collarLength + r + d / 2, -s * c / 2, b / 2 + collarLength + r);
}

// The length, dimensioned in the views that show it; the extension lines
// start at the walls on either side of the axis.
int16_t LVl12B::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    if (!view.IsPlan() && !view.IsSide())
        return 0;
    double o[4] = {b / 2, b / 2, b / 2, b / 2};
    if (orientation == 0) {
        o[0] = o[1] = o[2] = a / 2;
        o[3] = c - a / 2;
    } else if (orientation == 3) {
        o[0] = o[1] = o[3] = a / 2;
        o[2] = c - a / 2;
    }
    if (s < 0) {
        std::swap(o[0], o[2]);
        std::swap(o[1], o[3]);
    }
    return MakeLengthDimension(o);
}

int16_t LVl12B::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    // The left-hand variant is seen from the other side in elevation.
    int16_t o = orientation;
    if (s < 0 && o % 3 == 1)
        o = static_cast<int16_t>(o == 1 ? 4 : 1);
    switch (o) {
    case 0:
    case 3:
        DrawPlan(o == 3);
        break;
    case 1:
    case 4:
        DrawElevation(o == 4);
        break;
    case 2:
    case 5:
        DrawSection(o == 5);
        break;
    default:
        break;
    }
    return block.Close();
}

void LVl12B::DrawPlan(bool fromBelow) {
    const double m = endMarkSize;
    const double wall = a / 2 - c;  // the narrowed wall, before the sign
    if (!fromBelow) {
        double x1 = -l / 2 + collarLength + r, x2 = x1 + d, xm = x1 + d / 2;
        FigureLine(*this, FittingPen::kOutline, -l / 2, s * a / 2, l / 2, s * a / 2);
        FigureLine(*this, FittingPen::kOutline, x2 + m, s * wall, l / 2, s * wall);
        FigureLine(*this, FittingPen::kOutline, -l / 2, -s * a / 2, x1 - m, -s * a / 2);
        FigureLine(*this, FittingPen::kDashed, -l / 2, s * wall, x1, s * wall);
        CentreLine(-l / 2, s * (a / 2 - c / 2), l / 2, s * (a / 2 - c / 2));
        CentreLine(-l / 2, -s * c / 2, x2 + m, -s * c / 2);
        CentreLine(xm, -s * (a / 2 + m), xm, s * (wall + m));
        return;
    }
    double u = l / 2 - collarLength - r;
    FigureLine(*this, FittingPen::kOutline, -l / 2, s * a / 2, l / 2, s * a / 2);
    FigureLine(*this, FittingPen::kOutline, u - d, -s * a / 2, l / 2, -s * a / 2);
    FigureLine(*this, FittingPen::kOutline, u - d, -s * a / 2, u - d, s * wall);
    FigureLine(*this, FittingPen::kOutline, u - d, s * wall, -l / 2, s * wall);
    const double bracket[] = {u - d - m, s * wall,           u - d - m, -s * (a / 2 + m),
                              u + m,     -s * (a / 2 + m),   u + m,     -s * a / 2};
    FigureChain(*this, FittingPen::kPen2, bracket, 4);
    FigureLine(*this, FittingPen::kDashed, u - d, s * wall, l / 2, s * wall);
    FigureLine(*this, FittingPen::kDashed, u, s * wall, u, -s * a / 2);
    const double hidden[] = {u + m,     -s * a / 2,     u + m,     s * (wall + m),
                             u - d - m, s * (wall + m), u - d - m, s * wall};
    FigureChain(*this, FittingPen::kDashed, hidden, 4);
    CentreLine(-l / 2, s * (a / 2 - c / 2), l / 2, s * (a / 2 - c / 2));
    CentreLine(u - d - m, -s * c / 2, l / 2, -s * c / 2);
    CentreLine(u - d / 2, -s * (a / 2 + m), u - d / 2, s * (wall + m));
}

// far: the elevation seen from the other side (after the left-hand
// variant's exchange).
void LVl12B::DrawElevation(bool far) {
    const double k = far ? -1.0 : 1.0;
    const double e = k * s;
    const double x1 = -l / 2 + collarLength + r, x2 = x1 + d, xm = x1 + d / 2;
    const double zt = b / 2 + collarLength + r;
    const double xq = far ? l / 2 : x2;
    const double phi = far ? kHalfPi : 0.0;
    FigureLine(*this, FittingPen::kOutline, -e * l / 2, -b / 2, e * l / 2, -b / 2);
    FigureLine(*this, FittingPen::kOutline, s * xq, b / 2, e * l / 2, b / 2);
    FigureLine(*this, FittingPen::kOutline, e * x2, -k * b / 2, e * x2, zt);
    if (r > 0) {
        ads_point centre = {e * (-l / 2 + collarLength), b / 2 + r, 0};
        if (s > 0)
            MakeArc(centre, r, kThreeHalfPi - phi, -phi);
        else
            MakeArc(centre, r, kPi + phi, kThreeHalfPi + phi);
    }
    FigureLine(*this, FittingPen::kOutline, -e * l / 2, b / 2, e * (-l / 2 + collarLength), b / 2);
    FigureLine(*this, FittingPen::kOutline, e * x1, zt, e * x1, b / 2 + r);
    if (far)
        FigureLine(*this, FittingPen::kDashed, -s * x2, b / 2, -s * x2, -b / 2);
    else
        FigureLine(*this, FittingPen::kDashed, -s * l / 2, b / 2, s * x2, b / 2);
    CentreLine(-s * l / 2, 0, s * l / 2, 0);
    CentreLine(e * xm, 0, e * xm, zt);
}

// The duct seen along its axis: from the narrow end (far false) or from the
// wide end.
void LVl12B::DrawSection(bool far) {
    const double m = endMarkSize;
    const double zt = b / 2 + collarLength + r;
    const double wall = a / 2 - c;
    if (!far) {
        FigureLine(*this, FittingPen::kOutline, -s * a / 2, -b / 2, -s * a / 2, zt);
        FigureLine(*this, FittingPen::kOutline, -s * a / 2, -b / 2, s * (wall - m), -b / 2);
        FigureLine(*this, FittingPen::kOutline, s * wall, b / 2 + m, s * wall, zt);
        const double bracket[] = {-s * a / 2,       b / 2 + m,  -s * (a / 2 + m), b / 2 + m,
                                  -s * (a / 2 + m), -b / 2 - m, s * (wall - m),   -b / 2 - m};
        FigureChain(*this, FittingPen::kPen2, bracket, 4);
        FigureLine(*this, FittingPen::kDashed, -s * a / 2, b / 2, s * wall, b / 2);
        FigureLine(*this, FittingPen::kDashed, -s * a / 2, b / 2 + m, s * (wall - m), b / 2 + m);
        CentreLine(-s * (a / 2 + m), 0, s * (a / 2 + m), 0);
        CentreLine(-s * c / 2, 0, -s * c / 2, zt);
        CentreLine(s * (a / 2 - c / 2), -b / 2 - m, s * (a / 2 - c / 2), b / 2 + m);
        return;
    }
    FigureLine(*this, FittingPen::kOutline, s * a / 2, b / 2 + m, s * a / 2, zt);
    FigureLine(*this, FittingPen::kOutline, -s * wall, b / 2 + m, -s * wall, zt);
    FigureLine(*this, FittingPen::kOutline, -s * wall, b / 2, -s * wall, -b / 2);
    FigureLine(*this, FittingPen::kDashed, -s * (wall - m), b / 2 + m, -s * (wall - m), -b / 2 - m);
    CentreLine(-s * (a / 2 + m), 0, s * (a / 2 + m), 0);
    CentreLine(s * c / 2, 0, s * c / 2, zt);
    CentreLine(0, -b / 2 - m, 0, b / 2 + m);
}
