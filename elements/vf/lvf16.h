// The saddle spigots VF-16 and VF-17: a round spigot of diameter d standing
// at the angle a (degrees) on a saddle body set on a parent duct, the body's
// length and height following d by catalogue steps.  Attached children of
// their duct; the twins differ only in the body height (VF-16 lowers it by
// the spigot's slant, VF-17 takes its own table) and in their code.
//
// Values (GetParams, SetParams, XDATA): a, d.
#pragma once

#include "elements/vf/lvf.h"

class LVfSaddle : public LVf {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // a and d are taken also when 0; an a outside 0 to 90 becomes 45.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // "VF-16  a=45;  d=200;", and the note of a spigot on a rectangular duct.
    char* GetDescription() override;
    int16_t UpdateLabel() override { return 0; }
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double d = 0.0;
    double H = 0.0;    // body height
    double B = 0.0;    // body length
    double a = 0.0;    // degrees
    double phi = 0.0;  // (90 - a) in radians
    double g = 0.0;    // the parent duct's diameter, once drawn on one

protected:
    // lowered: the body height is lowered by the spigot's slant (VF-16).
    LVfSaddle(uint16_t typeId, bool lowered);

private:
    bool OnRectangularDuct() const;
    void DrawFromAbove();
    void DrawFromBelow();
    void DrawFromSide(double s);

    const bool lowered;
};

class LVf16 : public LVfSaddle {
public:
    LVf16();
};

class LVf17 : public LVfSaddle {
public:
    LVf17();
};
