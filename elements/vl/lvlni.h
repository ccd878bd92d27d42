// The two-leg split piece VL-NI: one inlet a x b (connector 0) divided
// over the length l into two outlets c x b and d x b side by side
// (connectors 1 and 2), a gap of 2f between them, the pair shifted across by
// the offset e.  The offset is kept as seen in the plan from above, so it
// changes sign when the piece is turned over; Mirror turns it over in place.
//
// Values (GetParams, SetParams, XDATA): a, b, c, d, e, f, l.
#pragma once

#include "elements/vl/lvl.h"

class LVlNi : public LVl {
public:
    LVlNi();

    int16_t MakeBlock(char* blockName) override;
    int16_t Mirror() override;
    int16_t MarkFixedParams(int16_t* flags) override;
    // Turning the piece over (to or from the views from below and behind)
    // negates the offset; the outlets are placed again for the new view.
    LObject* SetOrientation(int16_t side) override;
    int16_t GetParams(double** values) override;
    int16_t SetParams(const double* values) override;
    char* GetDescription() override;
    int16_t UpdateLabel() override;
    int16_t AdjustInsertionPoint(ads_point point, const double* oldParams) override;

    // The offset as the current view shows it.
    double ViewOffset() const { return orientation < 3 ? e : -e; }

    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
    double e = 0.0;
    double f = 0.0;
    double l = 0.0;

private:
    void PlaceConnectors();
};
