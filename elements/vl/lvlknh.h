// The in-duct units KNH-E (straight, length L) and KNH-K (a corner that
// turns the run through 90 degrees inside a square body of side A + 250),
// each of section A x B with an open-area percentage p of 33 or 50.  The
// connectors' area is the open part of the section, so the airflow texts
// show its velocity.
//
// Values (GetParams, SetParams, XDATA): KNH-E A, B, L, p; KNH-K A, B, p.
#pragma once

#include <string>

#include "elements/vl/lvl.h"

class LVlKnhE : public LVl {
public:
    LVlKnhE();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    // Stretches only to its catalogue lengths.
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double A = 0.0;
    double B = 0.0;
    double L = 0.0;
    double p = 0.0;
};

class LVlKnhK : public LVl {
public:
    LVlKnhK();

    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double A = 0.0;
    double B = 0.0;
    double p = 0.0;
    double S = 0.0;  // side of the square body

private:
    void DrawPlan(double s);
    void DrawLegFacing(double s);
    void DrawLegAway(double s);
};

// The open-area percentages of the units; any other becomes the second.
double OpenAreaPercent(double p);
