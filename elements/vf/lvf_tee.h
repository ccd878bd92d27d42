// The round tees VF/KS-06 and VF/KS-07: a straight run with a branch that
// leaves its middle at a right angle.  VF/KS-06 may reduce the run (d1 at
// connector 1, d3 at connector 0) and has a branch d2; VF/KS-07 has one run
// diameter d1 and a branch d2.  The body follows from the diameters alone;
// every collar is the family's dimension offset long.  "KS" above 800.
//
// Values (GetParams, SetParams, XDATA): VF/KS-06 d1, d2, d3; VF/KS-07 d1, d2.
#pragma once

#include "elements/vf/lvf.h"

class LVfTee : public LVf {
public:
    int16_t MakeBlock(char* blockName) override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // The run fits a gap only of its own body length between its run ends.
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double L = 0.0;   // between the run ends
    double H = 0.0;   // from the lower outline of the larger run end to the branch end
    double Dm = 0.0;  // the larger run diameter
    double d1 = 0.0, d2 = 0.0, d3 = 0.0;  // VF/KS-07: d3 is d1

protected:
    LVfTee(uint16_t typeId, bool reducing);
    // H, L, the code and the connectors from d1, d2 and d3.
    void Derive(double lengthAbove450, double lengthAbove900);

private:
    int ValueCount() const { return reducing ? 3 : 2; }
    void DrawSideView(double s);
    void DrawBranchView(int16_t o);
    void DrawRunView(int16_t o);
    bool reducing;
};

class LVf06 : public LVfTee {
public:
    LVf06();
    int16_t SetParams(const double* values) override;
};

class LVf07 : public LVfTee {
public:
    LVf07();
    int16_t SetParams(const double* values) override;
};
