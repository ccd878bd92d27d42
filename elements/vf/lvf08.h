// The round reducers VF/KS-08 (concentric) and VF/KS-09 (eccentric: both
// ends share one side line, the d1 end shifted by (d2 - d1)/2): d1 at
// connector 0 (+l/2), d2 at connector 1 (-l/2), a collar at each end and a
// cone between, at least three collars long.  Shown as KS when either
// diameter is above 800.  Both stretch between two neighbours.
//
// Values (GetParams, SetParams, XDATA): d1, d2, l.
#pragma once

#include "elements/vf/lvf.h"

class LVf08 : public LVf {
public:
    LVf08();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // A diameter not given (0) takes the other one.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double d1 = 0.0;
    double d2 = 0.0;
    double l = 0.0;

protected:
    LVf08(uint16_t typeId);
    // The sideways shift of the d1 end: none for the concentric reducer.
    virtual void PlaceFarEnd();
    // The across distance that FitLength takes.
    virtual double ExpectedAcross() const { return 0.0; }
};

class LVf09 : public LVf08 {
public:
    LVf09();

    int16_t MakeBlock(char* blockName) override;
    int16_t UpdateLabel() override;

    double e = 0.0;
    double f = 0.0;  // never other than 0

protected:
    void PlaceFarEnd() override;
    double ExpectedAcross() const override;
};
