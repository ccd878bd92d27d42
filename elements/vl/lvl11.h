// The rectangular runs with a spigot: a straight run a x b of length l
// with a third connector standing 30 out of its wall, its centre e from the
// connector-0 end and f off the axis.  VL-11K has a round spigot of
// diameter D, VL-11 a rectangular one c (along the run) x d.  Both stretch
// between joined neighbours and are mirrored across their axis.
//
// Values (GetParams, SetParams, XDATA): VL-11K a, b, D, e, f, l; VL-11 a,
// b, c, d, e, f, l.
#pragma once

#include "core/element_views.h"
#include "elements/vl/lvl.h"

constexpr double kSpigotRunShortest = 200.0;

class LVlSpigotRun : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point, const double*) override { return 0; }

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;  // the spigot along the run: D of the round one
    double d = 0.0;  // the spigot across the run: D of the round one
    double e = 0.0;
    double f = 0.0;
    double l = 0.0;

protected:
    LVlSpigotRun(int16_t typeId, bool round);

    int16_t LengthIndex() const { return round ? 5 : 6; }
    const bool round;

private:
    void PlaceSpigot();
    void DrawAlong(ElementView view);
    void DrawEndOn();
};

class LVl11 : public LVlSpigotRun {
public:
    LVl11();
    // "VL-11  a=..;  b=..;  D=..;  e=..;  f=..;  l=..;" (without the K).
    char* GetDescription() override;
};

class LVl11R : public LVlSpigotRun {
public:
    LVl11R();
};
