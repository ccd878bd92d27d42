// What the round pieces that sit in a straight run between two connectors
// share (VF-10, USZ-28, the layered and spiral ducts): connector 0 at the
// +x end, connector 1 at the -x end, both of one diameter, the air passing
// through unchanged; and the centre line along the body.
#pragma once

#include <cstdint>

#include "elements/vf/lvf.h"

// Connector 0 on side 2 and connector 1 on side 5, both of the diameter
// at value diameterParam.
void MakeInlineEnds(LVf& e, int16_t diameterParam = 0);

// Both ends of diameter d, length apart along x; connector 1 takes the air
// of connector 0.
void PlaceInlineEnds(LVf& e, double d, double length);

// The centre line from end to end, when the system draws round centre lines.
void DrawInlineCentreLine(LVf& e, double length);

// The body of VF-10 and USZ-28 in a view along its length: the outline of
// diameter d and the given length, the two collar lines a collar in from
// the ends, a centre dot and the dashed diagonal, slanting by diagonalSign.
void DrawMarkedBody(LVf& e, double d, double length, double diagonalSign);
