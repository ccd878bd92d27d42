#include "elements/vl/lvl13.h"

#include <algorithm>
#include <cmath>

#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/vl/vl_branch_rules.h"

namespace {

constexpr int kValueCount = 6;
constexpr int16_t kTypeId = 14;

}  // namespace

LVl13::LVl13() : LVlNarrowingBranch(kTypeId, kValueCount) {
    BindConnectors({{2, 2, 1}, {5, 0, 1}, {1, 3, 1}});
    SetAttachMasks(32, 0, 0, 32, 32, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVl13::GetParams(double** values) {
    double* v = new double[kValueCount];
    PutValues(v);
    *values = v;
    return 0;
}

int16_t LVl13::SetParams(const double* values) {
    // An input of 0 (or anything that is not a size) keeps a value or takes
    // it from another size of the same input; a length of 0 is worked out
    // from the branch.
    double in[kValueCount] = {};
    if (values)
        for (int i = 0; i < kValueCount; ++i)
            in[i] = GivenSize(values[i]);
    TakeWidths(in);
    if (values) {
        l = in[4] != 0 ? in[4] : collarLength + r + 2 * d + collarLength;
        if (std::isfinite(values[5]))
            r = values[5];
    }
    KeepNarrowing(&a, &c, connectors[1]->IsFree());
    r = BranchRadius(r, std::max(a, d), RestoringParams());
    // Too short for the branch: the length grows to hold the branch twice
    // over; a length between the two stays.
    if (collarLength + r + d + collarLength > l)
        l = collarLength + r + 2 * d + collarLength;
    X = a + r + collarLength;
    PlaceConnectors();
    SetAttachOffsets(b / 2, 0, 0, b / 2, X / 2, 0);
    return 0;
}

void LVl13::PlaceConnectors() {
    const double sizes[3] = {c, a, d};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->a = sizes[i];
        connectors[i]->b = b;
    }
    SetPoint3d(connectors[0]->position, l / 2, X / 2 - c / 2, 0);
    SetPoint3d(connectors[1]->position, -l / 2, X / 2 - a / 2, 0);
    SetPoint3d(connectors[2]->position, -l / 2 + collarLength + r + d / 2, -X / 2, 0);
}

// The length, dimensioned in the views that show it.
int16_t LVl13::UpdateLabel() {
    ElementView view = ViewOf(orientation);
    if (!view.IsPlan() && !view.IsSide())
        return 0;
    double o[4] = {b / 2, b / 2, b / 2, b / 2};
    if (view.IsPlan()) {
        o[0] = o[1] = X / 2;
        o[2] = (view.fromBelow ? c : a) - X / 2;
        o[3] = (view.fromBelow ? a : c) - X / 2;
    }
    return MakeLengthDimension(o);
}

int16_t LVl13::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan())
        DrawPlan(view.SignX());
    else if (view.IsSide())
        DrawSide(view.mirroredX);
    else if (view.IsEnd())
        DrawSection(orientation == 5);
    return block.Close();
}

void LVl13::Band(double x1, double x2) {
    FigureLine(*this, FittingPen::kOutline, x1, b / 2, x2, b / 2);
    FigureLine(*this, FittingPen::kOutline, x1, -b / 2, x2, -b / 2);
}

// s = +1 from above, -1 from below (the figure mirrored along x).
void LVl13::DrawPlan(double s) {
    const double w2 = l / 2 - collarLength - r - d;
    const double phi = s > 0 ? 0.0 : kHalfPi;
    const double aWall = -X / 2 + collarLength + r;  // = X/2 - a
    FigureLine(*this, FittingPen::kOutline, -s * l / 2, X / 2, s * l / 2, X / 2);
    FigureLine(*this, FittingPen::kOutline, -s * w2, -X / 2, -s * w2, X / 2 - c);
    if (r > 0) {
        ads_point centre = {-s * (l / 2 - collarLength), -X / 2 + collarLength, 0};
        MakeArc(centre, r, phi, phi + kHalfPi);
    }
    FigureLine(*this, FittingPen::kOutline, -s * l / 2, aWall, -s * (l / 2 - collarLength), aWall);
    FigureLine(*this, FittingPen::kOutline, -s * w2, X / 2 - c, s * l / 2, X / 2 - c);
    const double nearWall = -s * (l / 2 - r - collarLength);
    FigureLine(*this, FittingPen::kOutline, nearWall, -X / 2, nearWall, -X / 2 + collarLength);
    FigureLine(*this, FittingPen::kDashed, -s * l / 2, X / 2 - c, -s * w2, X / 2 - c);
    // The branch's centre line starts in the middle of the part a - c that
    // turns into the branch.
    const double turning = X / 2 - c / 2 - a / 2;
    CentreLine(-l / 2, X / 2 - c / 2, l / 2, X / 2 - c / 2);
    CentreLine(-s * l / 2, turning, -s * (w2 + d / 2), turning);
    CentreLine(-s * (w2 + d / 2), turning, -s * (w2 + d / 2), -X / 2);
}

// far: seen from the side of the branch, which then faces the viewer.
void LVl13::DrawSide(bool far) {
    const double m = endMarkSize;
    if (!far) {
        const double x1 = -l / 2 + collarLength + r, x2 = x1 + d;
        Band(-l / 2, x1 - m);
        Band(x2 + m, l / 2);
        CentreLine(-l / 2, 0, l / 2, 0);
        CentreLine(x1 + d / 2, -b / 2 - m, x1 + d / 2, b / 2 + m);
        return;
    }
    const double u = l / 2 - collarLength - r;
    Band(-l / 2, l / 2);
    for (double y : {1.0, -1.0}) {
        FigureLine(*this, FittingPen::kPen2, u + m, y * b / 2, u + m, y * (b / 2 + m));
        FigureLine(*this, FittingPen::kPen2, u + m, y * (b / 2 + m), u - d - m, y * (b / 2 + m));
        FigureLine(*this, FittingPen::kPen2, u - d - m, y * b / 2, u - d - m, y * (b / 2 + m));
    }
    for (double x : {u, u - d, u + m, u - d - m})
        FigureLine(*this, FittingPen::kDashed, x, b / 2, x, -b / 2);
    CentreLine(-l / 2, 0, l / 2, 0);
    CentreLine(u - d / 2, -b / 2 - m, u - d / 2, b / 2 + m);
}

// The duct seen along its axis: from the narrow end (far false) or from the
// wide end.
void LVl13::DrawSection(bool far) {
    const double m = endMarkSize;
    const double s = far ? 1.0 : -1.0;
    const double w = far ? a : c;
    Band(s * X / 2, -s * (X / 2 - w - m));
    if (a > c && !far) {
        const double xa = X / 2 - a - m, xc = X / 2 - c - m;
        for (double y : {1.0, -1.0}) {
            const double bracket[] = {xa, y * b / 2, xa, y * (b / 2 + m), xc, y * (b / 2 + m)};
            FigureChain(*this, FittingPen::kPen2, bracket, 3);
        }
        FigureLine(*this, FittingPen::kDashed, xa, b / 2, xa, -b / 2);
        FigureLine(*this, FittingPen::kDashed, X / 2 - a, b / 2, X / 2 - a, -b / 2);
        if (c + m > a) {
            FigureLine(*this, FittingPen::kDashed, xa, b / 2, X / 2 - c, b / 2);
            FigureLine(*this, FittingPen::kDashed, X / 2 - c, -b / 2, xa, -b / 2);
        }
    } else if (a > c) {
        FigureLine(*this, FittingPen::kOutline, -X / 2 + c, b / 2, -X / 2 + c, -b / 2);
        FigureLine(*this, FittingPen::kDashed, -X / 2 + c + m, b / 2 + m, -X / 2 + c + m, -b / 2 - m);
    }
    CentreLine(-s * (X / 2 + m), 0, s * X / 2, 0);
    CentreLine(-s * (X / 2 - w / 2), -b / 2 - m, -s * (X / 2 - w / 2), b / 2 + m);
}
