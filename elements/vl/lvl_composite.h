// The composite rectangular runs VLE-01 and VLE-02: a 90 degree elbow, a
// straight duct cut into standard pieces and a second 90 degree elbow,
// placed, joined, labelled and listed as one element.  The run lies along
// the element's y axis; the first elbow turns at +y to +x, the second at -y
// to -x (turn 0), to +z (turn below 0) or to -z (turn above 0).  VLE-01
// has the square-heeled elbows of VL-02, VLE-02 those of VL-07; each class
// gives its elbow faces and its views (tables of data).
//
// Values (GetParams, SetParams, XDATA): t, b, a, c, d, l, r1, r2, piece
// length s.
#pragma once

#include <string>

#include "core/figure_table.h"
#include "elements/vl/lvl.h"

// The sizes the views' tables are written in.
enum CompositeSymbol { kSymC, kSymL, kSymK, kSymR1, kSymR2, kSymA, kSymB, kSymD, kSymE, kSymC1, kSymC2, kSymG1, kSymG2 };

// The views of a composite run: the plan and the end view of the straight
// run (the other end view is the end view with the elbows exchanged), and
// the six views of the run turned by -90; a run turned by +90 is drawn from
// these mirrored.
struct CompositeViews {
    struct Table {
        const FigureRow* rows;
        size_t count;
    };
    Table straightPlan, straightEnd;
    Table turned[6];
    // Exchanged for the end view from the other end.
    CompositeSymbol swapA, swapB;
};

// The tables of each class (vle01_views.cpp, vle02_views.cpp).
const CompositeViews& Vle01Views();
const CompositeViews& Vle02Views();

class LVlComposite : public LVl {
public:
    int16_t MakeBlock(char* blockName) override;
    // Turns the second elbow over: the turn negated, the plan seen from the
    // other side; connector 1, the labels and the attach offsets follow.
    int16_t Mirror() override;
    int16_t MarkFixedParams(int16_t* flags) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    double GetQuantity() override;
    int16_t FitLength(double* params, int16_t* changed, int16_t connectorA, int16_t connectorB,
                      double along, double across) override;
    // First elbow, the pieces, the rest, second elbow.
    int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                        uint16_t* extraRows) override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    int16_t t = 0;
    int16_t pieceCount = 0;
    double s = 1500.0;  // standard piece length
    double b = 0.0, a = 0.0, c = 0.0, d = 0.0, l = 0.0, r1 = 0.0, r2 = 0.0;
    double rest = 0.0;  // the last, shorter piece, a whole number
    // Where the elbows' faces lie, from the run's far wall.
    double C1 = 0.0, C2 = 0.0;

protected:
    LVlComposite(int16_t typeId, const char* elbowCode, const CompositeViews& views);
    // The bound of the second radius.
    virtual double SecondRadiusBound() const = 0;
    // C1 and C2 from the sizes and radii.
    virtual void PlaceFaces() = 0;
    virtual void SetOffsets() = 0;

private:
    void Derive();
    void PlaceOutlet();
    std::string ElbowText(double w, double h, double other, double r) const;
    char* JoinedFlows(double area1, double area2);
    const char* elbowCode;
    const CompositeViews& views;
};

class LVlE01 : public LVlComposite {
public:
    LVlE01();

private:
    double SecondRadiusBound() const override;
    void PlaceFaces() override;
    void SetOffsets() override;
};

class LVlE02 : public LVlComposite {
public:
    LVlE02();

private:
    double SecondRadiusBound() const override;
    void PlaceFaces() override;
    void SetOffsets() override;
};
