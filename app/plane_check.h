// Elements whose insert lies in another plane than the drawing's (programs
// that mirror in 3D leave them so): their point is not a plan point, so a
// command that would place, fit or label by it leaves them, and what is
// joined to them, as they are and says which element stopped it.
#pragma once

#include "ads_types.h"

class LObject;

// True, with the user told, when the insert lies in another plane.
bool RefuseOtherPlane(const ads_name insert);

// Tells the user how many selected elements a command over a selection left
// out because their insert lies in another plane; nothing for none.
void ReportLeftOutOtherPlane(int count);

// True, with the user told, when the element, an element joined to it, its
// parent or one of its children lies in another plane: a turn or move of
// the element fits it to them and takes its children along.
bool RefuseOtherPlaneAround(const LObject& element);
