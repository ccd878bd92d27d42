// What the TT boxes share (TTA, TTL, TTB and TTC/TTD): one connector, a box
// of height h behind a face H x L, a type code and a G code chosen from
// their row, flipped alike; a description of the name, H, L, h and the G
// code's text, and a label of the name and "H x L x h".
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsTtBox : public LRCs {
public:
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    // "TTA+TTE", "TTD+TTE" ...
    virtual std::string NameText() const = 0;

    int16_t typeCode = 1;
    int16_t gCode = 1;
    double H = 0.0;
    double L = 0.0;
    double h = 0.0;

protected:
    // The G code is the value at gParam.
    LRCsTtBox(int16_t id, int16_t paramCount, int16_t gParam);

private:
    const int16_t gParam;
};
