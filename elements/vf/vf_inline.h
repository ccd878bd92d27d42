// What the round pieces that sit in a straight run between two connectors
// share (VF-10, USZ-28, the layered and spiral ducts): their run ends (set
// up by LObject::SetRunEnds) at either end of the body, of one diameter,
// the air passing through; the centre line along the body; and, for those
// that stretch, the measured gap taken as their length.
#pragma once

#include <cstdint>

#include "elements/vf/lvf.h"

// Both ends of diameter d, length apart along x; connector 1 takes the air
// of connector 0.
void PlaceInlineEnds(LVf& e, double d, double length);

// The centre line from end to end, when the system draws round centre lines.
void DrawInlineCentreLine(LVf& e, double length);

// The body of VF-10 and USZ-28 in a view along its length: the outline of
// diameter d and the given length, the two collar lines a collar in from
// the ends, a centre dot and the dashed diagonal, slanting by diagonalSign.
void DrawMarkedBody(LVf& e, double d, double length, double diagonalSign);

// A run of straight pieces between connectors 0 and 1: marks value
// lengthIndex as the one the joints set (MarkFixedParams), and takes a
// straight gap as that value (FitLength); 0 or -1 as those calls answer.
int16_t MarkLengthFixed(int16_t* flags, int lengthIndex);
int16_t StretchToGap(const LVf& e, double* params, int16_t* changed, int16_t connectorA,
                     int16_t connectorB, double along, double across, int lengthIndex);
