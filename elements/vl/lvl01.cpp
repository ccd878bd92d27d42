#include "elements/vl/lvl01.h"

#include <cmath>
#include <vector>

#include "ads_entity.h"
#include "core/bom_builder.h"
#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/dimensions.h"
#include "core/draw_neutral.h"
#include "core/geometry.h"
#include "core/standard_lengths.h"
#include "core/run_split.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "elements/straight_run.h"

namespace {

constexpr int kValueCount = 5;
// Arm of the diagonal strokes of the lp star: cos 45 degrees.
constexpr double kDiagonal = 0.7071067811865;


}  // namespace

LVl01::LVl01() : LVl(1, 2, kValueCount) {
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->side = 2;
    c1->side = 5;
    c0->paramA = c1->paramA = 0;
    c0->paramB = c1->paramB = 1;
    pieceLength = StandardPieceLength(kShapeRect);
    SetAttachMasks(1, 1, 0, 1, 1, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVl01::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = a;
    v[1] = b;
    v[2] = l;
    v[3] = lpFlag == 1 ? 1.0 : -1.0;
    v[4] = pieceLength;
    *values = v;
    return 0;
}

int16_t LVl01::SetParams(const double* v) {
    // 0 keeps a value; so does anything that is not a size.
    if (v) {
        if (IsSize(v[0]))
            a = v[0];
        if (IsSize(v[1]))
            b = v[1];
        if (IsSize(v[2]))
            l = v[2];
        if (v[3] == 1.0)
            lpFlag = 1;
        else if (v[3] == -1.0)
            lpFlag = 0;
        if (IsSize(v[4]))
            pieceLength = v[4];
    }
    CutIntoPieces();
    ResizeLabelList(static_cast<int16_t>(PartCount()), 1);
    PlaceConnectorsAndLabels();
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
    SetAttachOffsets(b / 2, a / 2, 0, b / 2, a / 2, 0);
    return 0;
}

// Whole pieces from the end of connector 0, then the rounded rest; a rest
// under 50 grows to 50 and the run with it.
void LVl01::CutIntoPieces() {
    PieceSplit split = SplitIntoPieces(l, pieceLength);
    uncutRun = UncutRunOf(split, l, pieceLength);
    pieceCount = static_cast<int16_t>(split.pieces);
    restLength = RoundToDouble(l - split.pieces * pieceLength);
    if (pieceCount == 0 && restLength <= 0.0)
        restLength = l;  // shorter than half a unit: still one piece
    if (restLength > 0.0 && restLength < kVl01ShortestRest) {
        l = pieceCount * pieceLength + kVl01ShortestRest;
        restLength = kVl01ShortestRest;
    }
}

// Connectors at both ends; each label sits at the middle of its piece.
void LVl01::PlaceConnectorsAndLabels() {
    LConnector* c0 = connectors[0];
    LConnector* c1 = connectors[1];
    c0->a = c1->a = a;
    c0->b = c1->b = b;
    PlaceEndsAndLabels(*this, Run());
}

int16_t LVl01::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[2] = 1;
    return 0;
}

int16_t LVl01::FitLength(double* params, int16_t* changed, int16_t connectorA,
                         int16_t connectorB, double along, double across) {
    if (!IsStraightGap(orientation, connectorA, connectorB, along, across))
        return -1;
    double r = std::fmod(along, pieceLength);
    if (r > 0.0 && r < kVl01ShortestRest)
        return -1;
    if (!params || !changed)
        return -1;
    params[2] = along;
    changed[2] = 1;
    return 0;
}

int16_t LVl01::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                           uint16_t* extraRows) {
    BomBuilder bom;
    for (double length : Run().Lengths()) {
        DescriptionText text("VL-01");
        text.Size("a", a).Size("b", b).Size("l", length);
        if (lpFlag == 1)
            text.Size("lp", 1);
        bom.AddWithConnectorFlow(*this, text.Text(), "axb", connectors[0]);
    }
    return bom.HandOut(rows, count, further, extraRows);
}

// One aligned dimension per piece, laid from the end of connector 0; the
// last one measures the rest (or a whole piece).
int16_t LVl01::UpdateLabel() {
    double h = ViewOf(orientation).IsSide() ? b / 2 : a / 2;
    DimensionPieces(*this, Run(), h + endMarkSize);
    return 0;
}

int16_t LVl01::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVl01::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    ElementView view = ViewOf(orientation);
    if (!view.IsEnd()) {
        double w = view.IsSide() ? b : a;
        double sx = view.SignX(), sy = view.SignY();
        DrawJointsAndFaces(*this, Run(), w / 2 + endMarkSize, w / 2);
        if (lpFlag == 1)
            DrawLpMarks(w, sx, sy);
    }
    if (system.rectCentreLines != 0) {
        ads_point p1 = {-l / 2, 0, 0}, p2 = {l / 2, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}

// An eight-armed star near the upper face at the start of every piece; a
// narrow duct shrinks the arms to an eighth of its width.
void LVl01::DrawLpMarks(double w, double sx, double sy) {
    double m = 2 * endMarkSize;
    for (int i = 0; i < PartCount(); ++i) {
        double c = l / 2 - i * pieceLength;
        if (8 * m > w)
            m = w / 8;
        double cx = c - 2 * m, cy = w / 2 - 2 * m, q = kDiagonal * m;
        const double ends[4][4] = {
            {cx - m, cy, cx + m, cy},
            {cx, cy - m, cx, cy + m},
            {cx + q, cy + q, cx - q, cy - q},
            {cx + q, cy - q, cx - q, cy + q},
        };
        for (const auto& e : ends) {
            ads_point p1 = {sx * e[0], sy * e[1], 0}, p2 = {sx * e[2], sy * e[3], 0};
            MakeLine(p1, p2);
        }
    }
}
