// The rows the views of both composite runs draw alike, written once: the
// straight run's section with its flange seen along the run, and each
// elbow's outlet framed where the run turned by -90 is seen from the other
// side.  Each view's table begins with its part (Join).  Only the table
// files include it.
#pragma once

#include "elements/vl/composite_notation.h"

namespace composite_notation {

// The section with its flange and its hidden edges.
inline constexpr FigureRow kFlangedSection[] = {
    Ln(kPen2, {-c/2, -b/2}, {0.3 * c, -0.3 * b}),
    Ln(kPen2, {0.3 * c, -0.3 * b}, {c/2, b/2}),
    Ln(kPen2, {-c/2 - e, b/2}, {-c/2 - e, b/2 + e}),
    Ln(kPen2, {-c/2 - e, b/2 + e}, {c/2 + e, b/2 + e}),
    Ln(kPen2, {c/2 + e, b/2 + e}, {c/2 + e, -b/2 - e}),
    Ln(kPen2, {c/2 + e, -b/2 - e}, {-c/2 - e, -b/2 - e}),
    Ln(kPen2, {-c/2 - e, -b/2 - e}, {-c/2 - e, -b/2}),
    Ln(kDashed, {-c/2 - e, b/2}, {-c/2 - e, -b/2}),
    Ln(kDashed, {-c/2, b/2}, {-c/2, -b/2}),
};

// Plan from the other side: the second elbow's outlet and its hidden joint.
inline constexpr FigureRow kSecondOutletFramed[] = {
    Ln(kOutline, {-c/2, -l/2 - k - r2 + e}, {-c/2 - e, -l/2 - k - r2 + e}),
    Ln(kOutline, {-c/2 - e, -l/2 - k - r2 + e}, {-c/2 - e, -l/2 - k - r2 - d - e}),
    Ln(kOutline, {-c/2 - e, -l/2 - k - r2 - d - e}, {c/2 + e, -l/2 - k - r2 - d - e}),
    Ln(kOutline, {c/2 + e, -l/2 - k - r2 - d - e}, {c/2 + e, -l/2 - k - r2 + e}),
    Ln(kOutline, {c/2 + e, -l/2 - k - r2 + e}, {c/2, -l/2 - k - r2 + e}),
    Ln(kDashed, {-c/2, -l/2 - k - r2}, {c/2, -l/2 - k - r2}),
    Ln(kDashed, {-c/2, -l/2 - k - r2 + e}, {c/2, -l/2 - k - r2 + e}),
    Ln(kOutline, {c/2, -l/2 - k - r2 - d}, {-c/2, -l/2 - k - r2 - d}),
};

// Side view from the other side: the first elbow's outlet and its hidden joint.
inline constexpr FigureRow kFirstOutletFramed[] = {
    Ln(kOutline, {-l/2 - k - r1 + e, -b/2}, {-l/2 - k - r1 + e, -b/2 - e}),
    Ln(kOutline, {-l/2 - k - r1 + e, -b/2 - e}, {-l/2 - k - r1 - a - e, -b/2 - e}),
    Ln(kOutline, {-l/2 - k - r1 - a - e, -b/2 - e}, {-l/2 - k - r1 - a - e, b/2 + e}),
    Ln(kOutline, {-l/2 - k - r1 - a - e, b/2 + e}, {-l/2 - k - r1 + e, b/2 + e}),
    Ln(kOutline, {-l/2 - k - r1 + e, b/2 + e}, {-l/2 - k - r1 + e, b/2}),
    Ln(kDashed, {-l/2 - k - r1, -b/2}, {-l/2 - k - r1, b/2}),
    Ln(kDashed, {-l/2 - k - r1 + e, -b/2}, {-l/2 - k - r1 + e, b/2}),
    Ln(kOutline, {-l/2 - k - r1 - a, -b/2}, {-l/2 - k - r1 - a, b/2}),
};

}  // namespace composite_notation
