// The round-to-rectangular fitting VF-11/12: a straight round run of
// diameter d with a rectangular outlet of A x B leaving the middle of the
// run at a right angle (VF-11), and an optional straight rectangular
// extension of length E on the outlet (VF-12, listed as a row of its own).
// An element of kind 1 (a grille) attaches to the outlet and takes its
// A x B; while one is attached the outlet is drawn without its symbol.
//
// Values (GetParams, SetParams, XDATA): d, A, B, E.
#pragma once

#include "elements/vf/lvf.h"

class LVf11 : public LVf {
public:
    LVf11();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    // Fits unchanged between two run ends exactly its body length apart.
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // The VF-11 row, and the VF-12 row when the outlet is extended.
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double H = 0.0;   // lower outline of the run to the VF-11 flange
    double d = 0.0;
    double A = 0.0;   // outlet side along the run
    double B = 0.0;   // outlet side across the run, below d
    double Lr = 0.0;  // body length along the run
    double E = 0.0;   // VF-12 extension, 0 for none

private:
    void DrawSide();
    void DrawOutletAway();
    void DrawOutletFacing(double c, double c2);
    void DrawRunEnd(double s);
    void CentreLine(double x1, double y1, double x2, double y2);
};
