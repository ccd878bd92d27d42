// Whether an element, placed as it now stands, gives numbers a drawing can
// hold.  Its insert draws the element's own space at the insert's scale:
// a scale of 1e306 (a damaged or hand-edited file holds one) puts a point
// a thousand units from the base point beyond the largest number, and the
// drawing refuses to hold it.  The refusal notices name this cause.
#pragma once

class LObject;

// True when the insertion point, rotation and scale are finite numbers and
// so is every connector's point in the drawing.
bool PlacementIsFinite(const LObject& e);
