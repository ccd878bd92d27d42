// The element's dimensions: made through the host's dimension mode so that
// the user places each dimension line with one pick, then rebuilt as a
// rotated dimension at a fixed distance from the element on the side
// picked, with the measured value as its text and the dimension-style
// overrides of the element's air system.  In label mode 129 nothing is
// made.
//
// Points are in drawing coordinates, angles in radians.  Results: 0 when
// nothing was made (label mode, cancelled pick), -1 when a dimension was
// made (also when the host's dimension lacked its text point); callers do
// not treat -1 as an error.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/system_record.h"

class LObject;

// An aligned dimension with the same offset on every extension line.
int16_t MakeDimension(LObject& element, const ads_point p, double length, double offset, double angle);
// A dimension of `length` centred on p along `angle`; its extension lines
// start o1/o2 from p when the user picks the positive side, o3/o4 on the
// negative side (scaled by the element's insert scale).
int16_t MakeAlignedDimension(LObject& element, const ads_point p, double length, double o1, double o2,
                             double o3, double o4, double angle);
// A rotated dimension from p1 to p2 with the text of `value`.
int16_t MakeRotatedDimension(LObject& element, const ads_point p1, const ads_point p2, double angle,
                             double value);
// A dimension across a round section of `diameter`, text with the
// diameter sign.
int16_t MakeDiameterDimension(LObject& element, const ads_point p, double diameter, double angle);

// Records the dimension on the element and sets the system's overrides
// (the DSTYLE XDATA of the application "ACAD") on it.
void ApplyDimensionStyle(LObject& element, const ads_name dimension);

// The DSTYLE override list (1001 "ACAD" ... 1002 "}") of a system: arrow
// size, text height, line, extension-line and text colours, and the text
// style when the drawing has it.  Release with acutRelRb.
resbuf* BuildDimensionStyleOverride(const LSystemRecord& system);
