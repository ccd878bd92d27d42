// The spiral duct SPIRO: a straight round run of diameter d and length l,
// bought in standard pieces of the drawing's round piece length and joined
// by couplings.  One label, one bill-of-materials row and one dimension per
// piece, plus a coupling row; it stretches between two neighbours.
//
// Values (GetParams, SetParams, XDATA): d, l, standard piece length.
#pragma once

#include "elements/straight_run.h"
#include "elements/vf/lvf.h"

class LVfSpiko : public LVf {
public:
    LVfSpiko();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // The rows of the pieces, counted in count; when the run has joints one
    // coupling row follows them (extraRows 1), so the array holds count + 1.
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    // Pieces of the run, the shorter last one included.
    int PartCount() const { return Run().Parts(); }
    // One coupling at every joint between two pieces.
    int CouplingCount() const { return PartCount() - 1; }
    StraightRun Run() const { return {l, pieceLength, pieceCount, rest}; }

    int16_t pieceCount = 0;
    double d = 0.0;
    double l = 0.0;
    double pieceLength = 6000.0;
    double rest = 0.0;

private:
    void CutIntoPieces();
    void PlaceConnectorsAndLabels();
};
