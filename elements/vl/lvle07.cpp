#include "elements/vl/lvle07.h"

#include <algorithm>
#include <initializer_list>

#include "core/element_block.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/multiway_sizes.h"
#include "elements/vl/vl_unit_figures.h"

namespace {

constexpr int16_t kTypeId = 32;
constexpr int kValueCount = 5;

}  // namespace

LVle07::LVle07() : LVl(kTypeId, 3, kValueCount) {
    const int16_t sides[3] = {1, 2, 0};
    const int16_t widths[3] = {0, 2, 3};
    const int16_t heights[3] = {1, 1, 4};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = widths[i];
        connectors[i]->paramB = heights[i];
    }
    SetAttachMasks(0, 0, 0, 1, 1, 1);
    SetFlipModes(3, 3, 3);
    SetParams(DefaultValues());
}

int16_t LVle07::MarkFixedParams(int16_t*) { return -1; }

int16_t LVle07::GetParams(double** values) {
    double* v = new double[kValueCount];
    const double fields[kValueCount] = {a, h, c, m, n};
    for (int i = 0; i < kValueCount; ++i)
        v[i] = fields[i];
    *values = v;
    return 0;
}

int16_t LVle07::SetParams(const double* values) {
    // A size not given (0, or anything that is not a size) takes the first
    // other size given, else keeps its value.
    if (values) {
        double in[kValueCount];
        for (int i = 0; i < kValueCount; ++i)
            in[i] = IsSize(values[i]) ? values[i] : 0.0;
        a = FirstGiven({in[0], in[1], in[2], in[3], in[4]}, a);
        h = FirstGiven({in[1], in[0], in[2], in[3], in[4]}, h);
        c = FirstGiven({in[2], in[0], in[1], in[3], in[4]}, c);
        m = FirstGiven({in[3], in[0], in[1], in[2], in[4]}, m);
        n = FirstGiven({in[4], in[0], in[1], in[2], in[3]}, n);
    }
    W = std::max(a, m);
    L = std::max(c, n);
    s = MultiwaySpigot({a, h, c});
    const double reach = collarLength + s;
    const double sizes[3][2] = {{a, h}, {c, h}, {m, n}};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->a = sizes[i][0];
        connectors[i]->b = sizes[i][1];
    }
    SetPoint3d(connectors[0]->position, -(W - a) / 2, -L / 2 - reach, 0);
    SetPoint3d(connectors[1]->position, W / 2 + reach, (L - c) / 2, 0);
    SetPoint3d(connectors[2]->position, -(W - m) / 2, (L - n) / 2, h / 2 + reach);
    SetAttachOffsets(0, 0, 0, h / 2, L / 2, W / 2);
    return 0;
}

int16_t LVle07::UpdateLabel() { return 0; }

int16_t LVle07::AdjustInsertionPoint(ads_point, const double*) { return 0; }

LVle07::FarView LVle07::FarViewOf(int16_t o) const {
    if (o == 4)
        return {W, h, m - W / 2, h / 2, a, m, h, h, 1, -1};
    if (o == 5)
        return {L, h, n - L / 2, h / 2, c, n, h, h, -1, -1};
    return {W, L, a - W / 2, c - L / 2, m, a, n, c, 1, 1};
}

int16_t LVle07::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    switch (orientation) {
    case 0:
        DrawTop();
        break;
    case 1:
        DrawFrontA();
        break;
    case 2:
        DrawFrontC();
        break;
    case 3:
    case 4:
    case 5:
        DrawFarSide(FarViewOf(orientation));
        break;
    default:
        break;
    }
    return block.Close();
}

void LVle07::DrawTop() {
    const double E = endMarkSize, T = collarLength + s;
    if (m + E > W && n + E > L) {
        FigureLine(*this, FittingPen::kOutline, -W / 2 + a, L / 2 - n - E, -W / 2 + a, -L / 2 - T);
        FigureLine(*this, FittingPen::kOutline, -W / 2 + m + E, L / 2 - c, W / 2 + T, L / 2 - c);
    } else {
        const double walls[] = {-W / 2 + a, -L / 2 - T, -W / 2 + a, L / 2 - c, W / 2 + T, L / 2 - c};
        FigureChain(*this, FittingPen::kOutline, walls, 3);
    }
    FigureLine(*this, FittingPen::kOutline, -W / 2 + m + E, L / 2, W / 2 + T, L / 2);
    FigureLine(*this, FittingPen::kOutline, -W / 2, L / 2 - n - E, -W / 2, -L / 2 - T);
    if (!RectCentreLinesOn(*this))
        return;
    if (c != n)
        FigureLine(*this, FittingPen::kCentre, -W / 2 + a / 2, L / 2 - c / 2, W / 2 + T, L / 2 - c / 2);
    else
        FigureLine(*this, FittingPen::kCentre, -W / 2 - E, 0, W / 2 + T, 0);
    if (a != m)
        FigureLine(*this, FittingPen::kCentre, -W / 2 + a / 2, L / 2 - c / 2, -W / 2 + a / 2, -L / 2 - T);
    else
        FigureLine(*this, FittingPen::kCentre, 0, L / 2 + E, 0, -L / 2 - T);
}

void LVle07::DrawFrontA() {
    const double E = endMarkSize, T = collarLength + s;
    if (a + E > W) {
        FigureLine(*this, FittingPen::kOutline, -W / 2 + m, h / 2 + E, -W / 2 + m, h / 2 + T);
        FigureLine(*this, FittingPen::kOutline, -W / 2 + a + E, h / 2, W / 2 + T, h / 2);
    } else {
        const double walls[] = {-W / 2 + m, h / 2 + T, -W / 2 + m, h / 2, W / 2 + T, h / 2};
        FigureChain(*this, FittingPen::kOutline, walls, 3);
    }
    FigureLine(*this, FittingPen::kOutline, -W / 2 + a + E, -h / 2, W / 2 + T, -h / 2);
    FigureLine(*this, FittingPen::kOutline, -W / 2, h / 2 + E, -W / 2, h / 2 + T);
    if (!RectCentreLinesOn(*this))
        return;
    FigureLine(*this, FittingPen::kCentre, -W / 2 - E, 0, W / 2 + T, 0);
    if (m != a)
        FigureLine(*this, FittingPen::kCentre, -W / 2 + m / 2, 0, -W / 2 + m / 2, h / 2 + T);
    else
        FigureLine(*this, FittingPen::kCentre, 0, -h / 2 - E, 0, h / 2 + T);
}

void LVle07::DrawFrontC() {
    const double E = endMarkSize, T = collarLength + s;
    if (c + E > L) {
        FigureLine(*this, FittingPen::kOutline, L / 2 - n, h / 2 + E, L / 2 - n, h / 2 + T);
        FigureLine(*this, FittingPen::kOutline, L / 2 - c - E, h / 2, -L / 2 - T, h / 2);
    } else {
        const double walls[] = {L / 2 - n, h / 2 + T, L / 2 - n, h / 2, -L / 2 - T, h / 2};
        FigureChain(*this, FittingPen::kOutline, walls, 3);
    }
    FigureLine(*this, FittingPen::kOutline, L / 2 - c - E, -h / 2, -L / 2 - T, -h / 2);
    FigureLine(*this, FittingPen::kOutline, L / 2, h / 2 + E, L / 2, h / 2 + T);
    if (!RectCentreLinesOn(*this))
        return;
    FigureLine(*this, FittingPen::kCentre, L / 2 + E, 0, -L / 2 - T, 0);
    if (n != c)
        FigureLine(*this, FittingPen::kCentre, L / 2 - n / 2, 0, L / 2 - n / 2, h / 2 + T);
    else
        FigureLine(*this, FittingPen::kCentre, 0, -h / 2 - E, 0, h / 2 + T);
}

void LVle07::DrawFarSide(const FarView& v) {
    const double E = endMarkSize, T = collarLength + s;
    const double U = v.U, V = v.V, S1 = v.S1, S2 = v.S2;
    const double body[] = {S1 * U / 2, -S2 * (V / 2 + T), S1 * U / 2, S2 * V / 2, -S1 * (U / 2 + T), S2 * V / 2};
    FigureChain(*this, FittingPen::kOutline, body, 3);
    if (v.Q2 < U && v.R2 < V) {
        const double corner[] = {-S1 * (U / 2 + T), -S2 * v.Pv, -S1 * U / 2, -S2 * v.Pv, -S1 * U / 2, -S2 * V / 2,
                                 -S1 * v.Pu,        -S2 * V / 2, -S1 * v.Pu, -S2 * (V / 2 + T)};
        FigureChain(*this, FittingPen::kOutline, corner, 5);
    }
    const double near[] = {-S1 * v.Pu, -S2 * (V / 2 + T), -S1 * v.Pu, -S2 * v.Pv, -S1 * (U / 2 + T), -S2 * v.Pv};
    FigureChain(*this, FittingPen::kOutline, near, 3);
    // The hidden edges of the opening on the far side.
    const double x1 = S1 * (U / 2 - v.Q1), y1 = S2 * (V / 2 - v.R1);
    if (U <= v.Q1 && V <= v.R1) {
        FigureLine(*this, FittingPen::kDashed, S1 * U / 2, y1, S1 * (U / 2 - v.Q2), y1);
        FigureLine(*this, FittingPen::kDashed, x1, S2 * V / 2, x1, S2 * (V / 2 - v.R2));
    } else {
        FigureLine(*this, FittingPen::kDashed, S1 * U / 2, y1, x1, y1);
        FigureLine(*this, FittingPen::kDashed, x1, S2 * V / 2, x1, y1);
    }
    // Its end, standing out by the mark size.
    const double xe = S1 * (U / 2 - v.Q1 - E), ye = S2 * (V / 2 - v.R1 - E);
    if (v.Q1 + E >= U && v.R1 + E >= V) {
        FigureLine(*this, FittingPen::kDashed, S1 * U / 2, ye, S1 * (U / 2 - v.Q2), ye);
        FigureLine(*this, FittingPen::kDashed, xe, S2 * V / 2, xe, S2 * (V / 2 - v.R2));
        const double edge[] = {S1 * (U / 2 - v.Q2), ye, xe, ye, xe, S2 * (V / 2 - v.R2)};
        FigureChain(*this, FittingPen::kPen2, edge, 3);
    } else {
        FigureLine(*this, FittingPen::kDashed, S1 * U / 2, ye, xe, ye);
        FigureLine(*this, FittingPen::kDashed, xe, S2 * V / 2, xe, ye);
    }
    const double outside[] = {S1 * U / 2, ye, S1 * (U / 2 + E), ye, S1 * (U / 2 + E), S2 * (V / 2 + E),
                              xe,         S2 * (V / 2 + E), xe, S2 * V / 2};
    FigureChain(*this, FittingPen::kPen2, outside, 5);
    if (!RectCentreLinesOn(*this))
        return;
    const double cu = S1 * (U - v.Q2) / 2, cv = S2 * (V - v.R2) / 2;
    if (v.R2 == v.R1)
        FigureLine(*this, FittingPen::kCentre, S1 * (U / 2 + E), 0, -S1 * (U / 2 + T), cv);
    else
        FigureLine(*this, FittingPen::kCentre, cu, cv, -S1 * (U / 2 + T), cv);
    if (v.Q2 == v.Q1)
        FigureLine(*this, FittingPen::kCentre, 0, S2 * (V / 2 + E), cu, -S2 * (V / 2 + T));
    else
        FigureLine(*this, FittingPen::kCentre, cu, cv, cu, -S2 * (V / 2 + T));
}
