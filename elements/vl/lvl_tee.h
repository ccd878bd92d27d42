// The rectangular bullhead tees VL-03 and VL-04: a straight leg of width a
// (connector 2) comes from below and divides into two legs leaving to the
// left and to the right, each turning round an inner arc of radius r into
// a collar of 40; all legs are b high.  VL-03's outgoing legs share their
// top wall, VL-04's the level of their lower walls.  The rules and the side
// views along the run are shared; each class gives its plan and end views.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, r.
#pragma once

#include "elements/vl/lvl.h"

class LVlTee : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;

    double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
    double W = 0.0, H = 0.0;  // overall width and height
    double r = 0.0;

protected:
    LVlTee(int16_t typeId);
    // Positions of the two outgoing connectors and the attach offsets.
    virtual void PlaceOutlets() = 0;
    virtual void DrawPlan(double s) = 0;
    virtual void DrawEnd(int16_t o) = 0;
    bool CentreLines() const { return system.rectCentreLines != 0; }
};

// Value indices of the tees.
enum VlTeeValue { kTeeA, kTeeB, kTeeC, kTeeD, kTeeR, kTeeValueCount };
