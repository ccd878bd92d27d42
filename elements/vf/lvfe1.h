// The composite round bend VFE-01: a straight run of length L between two
// 90 degree elbows of the VF-04 kind (diameter d, radius m x d, n
// segments), the second turned about the run's axis by a twist of -90 to
// 90 whole degrees.  The run lies on the element's z axis; it is bought in
// standard pieces of the drawing's round piece length and one shorter
// rest, and listed as two elbows, the pieces and their couplings.  "KS"
// above a diameter of 800.
//
// Values (GetParams, SetParams, XDATA): twist, d, L, m, n, piece length.
#pragma once

#include "elements/vf/lvf.h"

class LVfE1 : public LVf {
public:
    LVfE1();

    int16_t MakeBlock(char* blockName) override;
    // Turns the second elbow the other way; seen from the side, the element
    // is drawn from its other side.
    int16_t Mirror() override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // Elbow, the pieces from the second elbow's end, the rest, elbow; then
    // the couplings (a VF-02 where the elbows meet, else a VF-01 per joint
    // between pieces) as an extra row.
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    // Seen from the side: the run's length and the size at both ends.
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t twist = 0;       // whole degrees
    int16_t pieceCount = 0;  // whole standard pieces in L
    int16_t n = 0;
    double pieceLength = 6000.0;
    double rest = 0.0;       // the shorter last piece, a whole number
    double a = 0.0;          // the twist in radians
    double m = 0.0;
    double d = 0.0;
    double L = 0.0;
    double R = 0.0;          // m x d

private:
    // Everything that follows from the values: the twist's limit in the
    // orientation, the connectors, the pieces and the label points.
    void Derive();
    std::string ElbowText() const;
    void DrawEndView(double s, int f);
    void DrawSideView(double s, double beta);
};
