// The straight rectangular duct VL-01: a run of length l cut into standard
// pieces of the drawing's rectangular piece length and one shorter rest
// piece of at least 50.  One label, one bill-of-materials row and one
// dimension per piece; the only rectangular type that stretches between
// two neighbours.
//
// Values (GetParams, SetParams, XDATA): a, b, l, lp (+1 marked, -1 not),
// standard piece length.
#pragma once

#include "elements/straight_run.h"
#include "elements/vl/lvl.h"

// A rest piece shorter than this makes the run grow to it.
constexpr double kVl01ShortestRest = 50.0;

class LVl01 : public LVl {
public:
    LVl01();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t lpFlag = 0;
    int16_t pieceCount = 0;
    double pieceLength = 1500.0;
    double restLength = 0.0;
    double a = 0.0;
    double b = 0.0;
    double l = 0.0;

private:
    StraightRun Run() const { return {l, pieceLength, pieceCount, restLength}; }
    int PartCount() const { return Run().Parts(); }
    void CutIntoPieces();
    void PlaceConnectorsAndLabels();
    void DrawLpMarks(double w, double sx, double sy);
};
