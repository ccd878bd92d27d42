// The rectangular elbows VL-02 (square outer corner) and VL-07 (outer arc):
// a first leg of width a (connector 0) turns through alfa, 1 to 90 degrees,
// round an inner arc of radius r into a second leg of width c (connector
// 1); both legs are b high, end in a collar of 40 and may carry a straight
// extension, which the user sets through the total leg lengths La and Lc.
// The rules, connectors and side views are shared; each class gives its
// plan view and the measures where the two outer walls differ.
//
// Values (GetParams, SetParams, XDATA): alfa, a, b, c, La, Lc, r.
#pragma once

#include "elements/vl/lvl.h"

class LVlElbow : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    // alfa, La, Lc and r: the elbow does not stretch.
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    // The totals shown and stored for the two legs.
    int16_t TotalLa() const;
    int16_t TotalLc() const;

    double alfa = 0.0, a = 0.0, b = 0.0, c = 0.0;
    double eA = 0.0, eC = 0.0;  // straight extensions, whole numbers, never negative
    double t = 0.0;             // direction of the second leg from x, radians
    double r = 0.0;
    // Derived by SetParams: extent along x and y, the length seen in the
    // side views 1 and 4, the second leg's own length, the knee offset of
    // the centre line.
    double W = 0.0, H = 0.0, L = 0.0, G = 0.0, Kc = 0.0;

protected:
    LVlElbow(int16_t typeId, const char* code);
    // The class's measures from alfa, a, c and r (t set).
    virtual void Derive() = 0;
    // The first leg's own length without its extension.
    virtual double FirstLegLength() const = 0;
    virtual void SetOffsets() = 0;
    virtual void DrawPlan(double s) = 0;

private:
    void DrawSide();
    const char* code;
};
