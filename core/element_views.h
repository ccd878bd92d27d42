// The six orientations an element is drawn in, as views: 0 the plan from
// above, 1 the side, 2 the end, and 3 to 5 the same three seen from the
// other side (the plan from below).  Element classes draw by the view and
// its mirrorings rather than by orientation numbers; outlines hidden in a
// view are drawn dashed.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;

enum class ViewKind { kNone, kPlan, kSide, kEnd };

struct ElementView {
    ViewKind kind = ViewKind::kNone;
    bool fromBelow = false;  // the plan seen from below: what lies on top is hidden
    bool mirroredX = false;  // the run drawn from its other end
    bool mirroredY = false;  // the upper face drawn below the axis
    bool IsPlan() const { return kind == ViewKind::kPlan; }
    bool IsSide() const { return kind == ViewKind::kSide; }
    bool IsEnd() const { return kind == ViewKind::kEnd; }
    double SignX() const { return mirroredX ? -1.0 : 1.0; }
    double SignY() const { return mirroredY ? -1.0 : 1.0; }
};

// The view of an orientation; kNone outside 0 to 5.
ElementView ViewOf(int16_t orientation);

// A line of the element's outline: drawn dashed when hidden.
int16_t OutlineLine(LObject& e, const ads_point p1, const ads_point p2, bool hidden);
