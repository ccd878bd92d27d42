// What the round branch fittings VF/KS-20, VF/KS-21 and VF/KS-22 share: a
// straight run of diameter d1 with branches of diameter d2, whose body
// sizes (L along the run, H the second size of each) follow from the two
// diameters alone; the VF/KS code follows the diameters; the fitting fits
// unchanged between its two run ends.
//
// Values (GetParams, SetParams, XDATA): d1, d2.
#pragma once

#include "elements/vf/lvf.h"

class LVfBranch : public LVf {
public:
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    // Takes the diameters (an input of 0 keeps one, or takes the other
    // input while the sizes are not fixed) and lays out the body.
    int16_t SetParams(const double* values) override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    double L = 0.0;
    double H = 0.0;
    // A new fitting has these until it is fitted or edited, also when its
    // default values keep them.
    double d1 = 100.0;
    double d2 = 100.0;

protected:
    // runB: the connector at the run's other end from connector 0.
    LVfBranch(uint16_t typeId, int16_t connectorCount, int16_t runB);

    // L, H and the connectors from d1 and d2.
    virtual void LayOut() = 0;
    // Whether the measured length between the run ends fits the body.
    virtual bool FitsLength(double along) const;
    void PlaceConnector(int16_t i, double diameter, double x, double y, double z);
    void CentreLine(double x1, double y1, double x2, double y2);
    // A collar of diameter D at the run end x = e.
    void RunCollar(double e, double D);

    int16_t runEnd;
};

// sin and cos of 45 degrees, as the figures of these fittings use it.
constexpr double kBranchCos45 = 0.7071067811865;

// The run of diameter Da and length La seen across, with a branch of
// diameter Db seen along its axis as a circle flush with the run's upper
// outline, everything shifted up by f.  narrow: the branch is narrower than
// the run, so its flanks meet the run inside the outline; tangents: draw
// the lines from the collars to the branch; ring: draw the branch's circle
// (hidden where the run covers it).
struct EndOnBranch {
    double Da, Db, La, f;
    bool narrow;
    bool tangents;
    bool ring;
};
void DrawEndOnBranch(LVfBranch& e, const EndOnBranch& b);
