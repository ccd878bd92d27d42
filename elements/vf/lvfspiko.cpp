#include "elements/vf/lvfspiko.h"

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
#include "elements/vf/vf_inline.h"

namespace {

constexpr int kValueCount = 3;
constexpr int kLengthParam = 1;

}  // namespace

LVfSpiko::LVfSpiko() : LVf(1, 2, kValueCount) {
    SetRunEnds(true, 0, -1);
    pieceLength = StandardPieceLength(kShapeRound);
    SetAttachMasks(2, 2, 0, 2, 2, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());  // a piece length of 0 keeps the drawing's
}

int16_t LVfSpiko::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = d;
    v[1] = l;
    v[2] = pieceLength;
    *values = v;
    return 0;
}

int16_t LVfSpiko::SetParams(const double* v) {
    // 0 keeps a value; so does anything that is not a size.
    if (v) {
        if (IsSize(v[0]))
            d = v[0];
        if (IsSize(v[1]))
            l = v[1];
        if (IsSize(v[2]))
            pieceLength = v[2];
    }
    hostSize = d;  // an element attached to the duct takes its diameter
    CutIntoPieces();
    ResizeLabelList(static_cast<int16_t>(PartCount()), 1);
    PlaceConnectorsAndLabels();
    if (connectors[1]->flow != connectors[0]->flow)
        connectors[1]->flow = connectors[0]->flow;
    SetAttachOffsets(d / 2, d / 2, 0, d / 2, d / 2, 0);
    return 0;
}

void LVfSpiko::CutIntoPieces() {
    PieceSplit split = SplitIntoPieces(l, pieceLength);
    uncutRun = UncutRunOf(split, l, pieceLength);
    pieceCount = static_cast<int16_t>(split.pieces);
    rest = RoundToDouble(l - split.pieces * pieceLength);
    if (pieceCount == 0 && rest <= 0.0)
        rest = l;  // shorter than half a unit: still one piece
}

// Connectors at both ends; each label sits at the middle of its piece.
void LVfSpiko::PlaceConnectorsAndLabels() {
    for (int i = 0; i < 2; ++i)
        connectors[i]->a = connectors[i]->b = d;
    PlaceEndsAndLabels(*this, Run());
}

int16_t LVfSpiko::MarkFixedParams(int16_t* flags) { return MarkLengthFixed(flags, kLengthParam); }

int16_t LVfSpiko::FitLength(double* params, int16_t* changed, int16_t connectorA,
                            int16_t connectorB, double along, double across) {
    return StretchToGap(*this, params, changed, connectorA, connectorB, along, across, kLengthParam);
}

int16_t LVfSpiko::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                              uint16_t* extraRows) {
    BomBuilder bom;
    for (double length : Run().Lengths())
        bom.AddWithConnectorFlow(*this, DescriptionText("SPIRO").Size("d", d).Size("l", length).Text(),
                                 "d", connectors[0]);
    bom.AddCouplings(CouplingCount(), DescriptionText("VF-01").Size("d", d).Text());
    return bom.HandOut(rows, count, further, extraRows);
}

// One aligned dimension per piece, laid from the end of connector 0; the
// last one measures the shorter piece (or a whole one).
int16_t LVfSpiko::UpdateLabel() {
    DimensionPieces(*this, Run(), d / 2);
    return 0;
}

int16_t LVfSpiko::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVfSpiko::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    if (!ViewOf(orientation).IsEnd())
        DrawJointsAndFaces(*this, Run(), d / 2, d / 2);
    DrawInlineCentreLine(*this, l);
    return block.Close();
}
