// The round end pieces VF-18 and VF-19 (air terminals, catalogue ids 26
// and 27): a cap and a cut end on a round connector of diameter d; their
// lengths follow from d.
//
// Values (GetParams, SetParams, XDATA): d.
#pragma once

#include "elements/rcs/lrcs.h"

class LVfEndPiece : public LRCs {
public:
    int16_t GetParams(double** values) override;
    // A value of 0 (or no size at all) keeps d.
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;

    double d = 0.0;
    double L = 0.0;

protected:
    LVfEndPiece(int16_t id, const char* name);
    // The lengths that follow from d.
    virtual void Derive() = 0;
    // A centre line, drawn while the system shows round ducts' centre lines.
    void CentreLine(double x1, double y1, double x2, double y2);

private:
    const char* name;
};

// VF-18: a collar, a cone and a plate with a nose.
class LVf18 : public LVfEndPiece {
public:
    LVf18();
    int16_t MakeBlock(char* blockName) override;

    double a = 0.0, b = 0.0, e = 0.0, f = 0.0, g = 0.0;

protected:
    void Derive() override;
};

// VF-19: the duct cut at 60 degrees.
class LVf19 : public LVfEndPiece {
public:
    LVf19();
    int16_t MakeBlock(char* blockName) override;

protected:
    void Derive() override;
};
