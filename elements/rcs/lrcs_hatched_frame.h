// What the KDK and EV terminals share: a rectangular connector of B x H
// and their symbol, a frame under the connection hatched at 45 degrees,
// seen from the side and the end (the terminals stand upright).
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsHatchedFrame : public LRCs {
public:
    int16_t MakeBlock(char* blockName) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "KDK+L", "EV".
    virtual std::string NameText() const = 0;

    // A frame wider than this many hatch steps is hatched this far only:
    // a damaged size cannot make the drawing endless.
    static constexpr int kMaxHatchSteps = 3000;

    double B = 0.0;
    double H = 0.0;

protected:
    LRCsHatchedFrame(int16_t id, int16_t paramCount);

    // Takes B and H (sizes only) and sizes the connector.
    void TakeSize(const double* v);
};
