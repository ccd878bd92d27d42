#include "elements/vf/lvfe1.h"

#include <cmath>
#include <string>

#include "ads_entity.h"
#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/dimensions.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/run_split.h"
#include "core/standard_lengths.h"
#include "elements/straight_run.h"

namespace {

constexpr int kValueCount = 6;
enum Value { kTwist, kD, kL, kM, kN, kPiece };
constexpr int16_t kMostTwist = 90;
// From this twist on the centre lines of the end view skip the corner.
constexpr int16_t kSteepTwist = 85;
constexpr double kThreeHalfPi = 4.71238898025;

}  // namespace

LVfE1::LVfE1() : LVf(11, 2, kValueCount) {
    vfKsCode = kVfKsVf;
    pieceLength = StandardPieceLength(kShapeRound);
    connectors[0]->side = 2;
    connectors[1]->side = 5;
    connectors[0]->paramA = connectors[1]->paramA = kD;
    SetFlipModes(3, 3, 3);
    SetParams(DefaultValues());
}

int16_t LVfE1::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[kTwist] = twist;
    v[kD] = d;
    v[kL] = L;
    v[kM] = m;
    v[kN] = n;
    v[kPiece] = pieceLength;
    *values = v;
    return 0;
}

int16_t LVfE1::SetParams(const double* p) {
    if (p) {
        twist = RoundToShort(p[kTwist]);
        if (IsSize(p[kD]))
            d = p[kD];
        // A length of 0 lets the elbows meet; a negative one is no length.
        if (std::isfinite(p[kL]) && p[kL] >= 0)
            L = p[kL];
        if (IsSize(p[kM]))
            m = p[kM];
        if (std::isfinite(p[kN]) && p[kN] != 0)
            n = RoundToShort(p[kN]);
        if (IsSize(p[kPiece]))
            pieceLength = p[kPiece];
    }
    Derive();
    return 0;
}

void LVfE1::Derive() {
    if (orientation != 0 && orientation != 3)
        twist = 0;
    else if (twist > kMostTwist)
        twist = kMostTwist;
    else if (twist < -kMostTwist)
        twist = -kMostTwist;
    a = twist * kPi / 180;
    R = m * d;
    vfKsCode = VfKsCodeFor(&d, 1);
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = c1->a = d;
    c1->angle = a;
    SetPoint3d(c0->position, R, 0, -L / 2 - R);
    SetPoint3d(c1->position, -R * std::cos(a), -R * std::sin(a), L / 2 + R);

    PieceSplit split = SplitIntoPieces(L, pieceLength);
    uncutRun = UncutRunOf(split, L, pieceLength);
    pieceCount = static_cast<int16_t>(split.pieces);
    // An uncut run is one piece of its own length, beyond the 16 bits of a rest.
    rest = split.uncut ? RoundToDouble(L) : split.rest;
    ResizeLabelList(static_cast<int16_t>(pieceCount + 2 + (rest != 0 ? 1 : 0)), 1);
    LLabelNode* node = GetLabel(0);
    if (node) {
        SetPoint3d(node->point, R / 4, 0, -L / 2 - 3 * R / 4);
        node = node->next;
    }
    // The pieces from the second elbow's end, the rest by the first elbow.
    for (int i = 0; i < pieceCount && node; ++i, node = node->next)
        SetPoint3d(node->point, 0, 0, L / 2 - i * pieceLength - pieceLength / 2);
    if (rest > 0 && node) {
        SetPoint3d(node->point, 0, 0, -L / 2 + rest / 2);
        node = node->next;
    }
    if (node)
        SetPoint3d(node->point, -(R / 4) * std::cos(a), -(R / 4) * std::sin(a), L / 2 + 3 * R / 4);
    c1->flow = c0->flow;
}

int16_t LVfE1::Mirror() {
    twist = static_cast<int16_t>(-twist);
    if (orientation == 1)
        orientation = 4;
    else if (orientation == 4)
        orientation = 1;
    if (orientation % 3 == 1)
        rotation = rotation > kPi ? rotation - kPi : rotation + kPi;
    // The outlet, the label points and the pieces all follow the new twist.
    Derive();
    return 0;
}

int16_t LVfE1::MarkFixedParams(int16_t*) { return -1; }

int16_t LVfE1::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

int16_t LVfE1::AdjustInsertionPoint(ads_point, const double*) { return 0; }

std::string LVfE1::ElbowText() const {
    return DescriptionText(vfKsCode == kVfKsKs ? "KS-04" : "VF-04").Size("d", d).Size("m", m).Size("n", n).Text();
}

int16_t LVfE1::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further, uint16_t* extraRows) {
    BomBuilder bom;
    bom.AddWithConnectorFlow(*this, ElbowText(), "d", connectors[0]);
    std::string piece = DescriptionText("SPIRO").Size("d", d).Size("l", pieceLength).Text();
    for (int i = 0; i < pieceCount; ++i)
        bom.AddWithConnectorFlow(*this, piece, "d", connectors[0]);
    if (rest > 0)
        bom.AddWithConnectorFlow(*this, DescriptionText("SPIRO").Size("d", d).Size("l", rest).Text(), "d",
                                 connectors[0]);
    bom.AddWithConnectorFlow(*this, ElbowText(), "d", connectors[0]);
    if (pieceCount == 0 && rest == 0)
        bom.AddCouplings(1, DescriptionText("VF-02").Size("d", d).Text());
    else if (pieceCount >= 2 || (pieceCount == 1 && rest > 0))
        bom.AddCouplings(rest > 0 ? pieceCount : pieceCount - 1, DescriptionText("VF-01").Size("d", d).Text());
    return bom.HandOut(rows, count, further, extraRows);
}

int16_t LVfE1::UpdateLabel() {
    if (!ViewOf(orientation).IsSide())
        return 0;
    MakeDimension(*this, insertionPoint, L, d / 2, rotation + kHalfPi);
    acdbEntUpd(entity);
    for (int16_t side : {0, 3}) {
        LConnector end;
        end.owner = this;
        end.shape = kShapeRound;
        end.side = side;
        end.a = end.b = d;
        SetPoint3d(end.position, 0, 0, side == 0 ? L / 2 : -L / 2);
        end.MakeSizeText();
    }
    return 0;
}

int16_t LVfE1::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(dimensionOffset, 1);
    if (orientation == 0 || orientation == 3)
        DrawEndView(orientation == 0 ? 1 : -1, orientation == 0 ? 1 : 0);
    else if (orientation == 1 || orientation == 4)
        DrawSideView(orientation == 1 ? 1 : -1, orientation == 1 ? 0 : kHalfPi);
    return block.Close();
}

// Looking along the run: the first elbow toward x = s, the second turned
// by the twist, the run's section at the origin; the edges behind the
// section dashed.
void LVfE1::DrawEndView(double s, int f) {
    FittingFigure g(*this, 1, system.roundCentreLines != 0);
    const double h = d / 2, t = std::tan(a / 2), ca = std::cos(a), sa = std::sin(a);
    const bool below = a < 0, above = a > 0;
    g.Line(FittingPen::kOutline, s * R, h, f == 1 && below ? -s * h * t : 0, h);
    g.Line(FittingPen::kOutline, s * R, -h, f == 1 && above ? s * h * t : 0, -h);
    if (f == 1 && below)
        g.Line(FittingPen::kDashed, 0, h, -s * h * t, h);
    if (f == 1 && above)
        g.Line(FittingPen::kDashed, 0, -h, s * h * t, -h);
    const double b2x = -s * (R * ca + h * sa), b2y = -R * sa + h * ca;
    const double d2x = -s * (R * ca - h * sa), d2y = -R * sa - h * ca;
    if (f == 0 && below)
        g.Line(FittingPen::kOutline, -s * h * t, h, b2x, b2y);
    else
        g.Line(FittingPen::kOutline, -s * h * sa, h * ca, b2x, b2y);
    if (f == 0 && above)
        g.Line(FittingPen::kOutline, s * h * t, -h, d2x, d2y);
    else
        g.Line(FittingPen::kOutline, s * h * sa, -h * ca, d2x, d2y);
    if (f == 0 && below)
        g.Line(FittingPen::kDashed, -s * h * t, h, -s * h * sa, h * ca);
    if (f == 0 && above)
        g.Line(FittingPen::kDashed, s * h * t, -h, s * h * sa, -h * ca);
    const double turn = f * a;
    g.Arc(FittingPen::kOutline, 0, 0, h, turn - kHalfPi, turn + kHalfPi);
    g.Arc(FittingPen::kDashed, 0, 0, h, turn + kHalfPi, turn + kThreeHalfPi);
    ads_point origin = {0, 0, 0};
    DashedEllipse(origin, h, kPi, 0, 0.75);
    if (twist >= kSteepTwist || twist <= -kSteepTwist) {
        g.Line(FittingPen::kCentre, s * h * ca, h * sa, -s * R * ca, -R * sa);
        g.Line(FittingPen::kCentre, -s * h, 0, s * R, 0);
    } else {
        g.Line(FittingPen::kCentre, -s * R * ca, -R * sa, 0, 0);
        g.Line(FittingPen::kCentre, 0, 0, s * R, 0);
        const double sh = std::sin(a / 2), ch = std::cos(a / 2);
        g.Line(FittingPen::kCentre, -s * h * sh, h * ch, s * h * sh, -h * ch);
    }
}

// The run along y between the two elbows seen from the side; the joints
// between pieces counted from the second elbow's end, as the labels and the
// bill of materials count them.
void LVfE1::DrawSideView(double s, double beta) {
    FittingFigure g(*this, 1, system.roundCentreLines != 0);
    const double h = d / 2;
    g.Arc(FittingPen::kOutline, -s * R, L / 2, R - h, beta, beta + kHalfPi);
    g.Arc(FittingPen::kOutline, -s * R, L / 2, R + h, beta, beta + kHalfPi);
    if (L > 0) {
        for (int k = 1; k < pieceCount + (rest > 0 ? 1 : 0); ++k) {
            double y = L / 2 - k * pieceLength;
            ads_point p1 = {-h, y, 0}, p2 = {h, y, 0};
            LineC(p1, p2);
        }
        ads_point top0 = {-h, L / 2, 0}, top1 = {h, L / 2, 0};
        ads_point bottom0 = {h, -L / 2, 0}, bottom1 = {-h, -L / 2, 0};
        LineC(top0, top1);
        LineC(bottom0, bottom1);
        g.Line(FittingPen::kOutline, h, L / 2, h, -L / 2);
        g.Line(FittingPen::kOutline, -h, -L / 2, -h, L / 2);
    } else {
        ads_point p1 = {-h, 0, 0}, p2 = {h, 0, 0};
        LineC(p1, p2);
    }
    g.Arc(FittingPen::kOutline, s * R, -L / 2, R - h, kPi + beta, kThreeHalfPi + beta);
    g.Arc(FittingPen::kOutline, s * R, -L / 2, R + h, kPi + beta, kThreeHalfPi + beta);
    g.Arc(FittingPen::kCentre, -s * R, L / 2, R, beta, beta + kHalfPi);
    g.Arc(FittingPen::kCentre, s * R, -L / 2, R, kPi + beta, kThreeHalfPi + beta);
    g.Line(FittingPen::kCentre, 0, -L / 2, 0, L / 2);
}
