// The views of the composite run VLE-01 as tables of data, in the drawing's
// own notation (composite_notation.h).  A row of the joint at +l/2 is drawn
// only when the run has a length.
#include "elements/vl/composite_notation.h"
#include "elements/vl/composite_parts.h"

namespace {

using namespace composite_notation;

// The straight run, plan: the first elbow to +X, the second to -X.
constexpr FigureRow kE1Straight0[] = {
    Ln(kOutline, {-c/2, -l/2 - k}, {-c/2, l/2 + k + r1 + a}),
    Ln(kOutline, {c/2, -l/2 - k - r2 - d}, {c/2, l/2 + k}),
    Ln(kPen1, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kPen1, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {c/2 + k + r1, l/2 + k + r1 + a}, {-c/2, l/2 + k + r1 + a}),
    Ln(kOutline, {-c/2 - k - r2, -l/2 - k - r2 - d}, {c/2, -l/2 - k - r2 - d}),
    Ar(kOutline, {c/2 + r1, l/2 + k}, r1, 1, 2),
    Ar(kOutline, {-c/2 - r2, -l/2 - k}, r2, 3, 4),
    Ln(kOutline, {c/2 + k + r1, l/2 + k + r1}, {c/2 + r1, l/2 + k + r1}),
    Ln(kOutline, {-c/2 - k - r2, -l/2 - k - r2}, {-c/2 - r2, -l/2 - k - r2}),
    Ln(kCentre, {c/2 + k + r1, l/2 + k + r1 + a/2}, {O, l/2 + k + r1 + a/2}),
    Ln(kCentre, {O, l/2 + k + r1 + a/2}, {O, -l/2 - k - r2 - d/2}),
    Ln(kCentre, {O, -l/2 - k - r2 - d/2}, {-c/2 - k - r2, -l/2 - k - r2 - d/2}),
};

// The straight run seen along it from its second elbow's end: the section with its
// flange, the first elbow to -X, the second to +X.
constexpr FigureRow kE1Straight4Rest[] = {
    Ln(kOutline, {-c/2 - k - r1, b/2}, {c/2, b/2}),
    Ln(kOutline, {c/2, b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {-c/2 - k - r1, -b/2}),
    Ln(kDashed, {c/2 + e, b/2}, {c/2, b/2}),
    Ln(kDashed, {c/2 + e, -b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {c/2 + k + r2, b/2}),
    Ln(kOutline, {c/2 + e, -b/2}, {c/2 + k + r2, -b/2}),
    Ln(kDashed, {-c/2, -b/2}, {-0.3 * c, 0.3 * b}),
    Ln(kDashed, {-0.3 * c, 0.3 * b}, {c/2, b/2}),
    Ln(kCentre, {O, -b/2 - e}, {O, b/2 + e}),
    Ln(kCentre, {-c/2 - k - r1, O}, {c/2 + k + r2, O}),
};
constexpr auto kE1Straight4 = Join(kFlangedSection, kE1Straight4Rest);

// Turned by -90, plan: the second elbow seen end-on.
constexpr FigureRow kE1Turned0[] = {
    Ln(kDashed, {-c/2, -l/2 - k - r2}, {-c/2, -l/2 - k - r2 + e}),
    Ln(kDashed, {c/2, -l/2 - k - r2}, {c/2, -l/2 - k - r2 + e}),
    Ln(kOutline, {-c/2, -l/2 - k - r2 + e}, {-c/2, l/2 + k + r1 + a}),
    Ln(kOutline, {c/2, -l/2 - k - r2 + e}, {c/2, l/2 + k}),
    Ln(kOutline, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kOutline, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {c/2 + k + r1, l/2 + k + r1 + a}, {-c/2, l/2 + k + r1 + a}),
    Ar(kOutline, {c/2 + r1, l/2 + k}, r1, 1, 2),
    Ln(kOutline, {c/2 + k + r1, l/2 + k + r1}, {c/2 + r1, l/2 + k + r1}),
    Ln(kCentre, {c/2 + k + r1, l/2 + k + r1 + a/2}, {O, l/2 + k + r1 + a/2}),
    Ln(kCentre, {O, l/2 + k + r1 + a/2}, {O, -l/2 - k - r2 - d - e}),
    Ln(kCentre, {-c/2 - e, -l/2 - k - r2 - d/2}, {c/2 + e, -l/2 - k - r2 - d/2}),
};

// Turned by -90, plan from the other side: the second elbow's outlet framed.
constexpr FigureRow kE1Turned3Rest[] = {
    Ln(kOutline, {c/2, -l/2 - k - r2 - d}, {c/2, l/2 + k + r1 + a}),
    Ln(kOutline, {-c/2, -l/2 - k - r2 - d}, {-c/2, l/2 + k}),
    Ln(kOutline, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kOutline, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {-c/2 - k - r1, l/2 + k + r1 + a}, {c/2, l/2 + k + r1 + a}),
    Ar(kOutline, {-c/2 - r1, l/2 + k}, r1, 0, 1),
    Ln(kOutline, {-c/2 - k - r1, l/2 + k + r1}, {-c/2 - r1, l/2 + k + r1}),
    Ln(kCentre, {-c/2 - k - r1, l/2 + k + r1 + a/2}, {O, l/2 + k + r1 + a/2}),
    Ln(kCentre, {O, l/2 + k + r1 + a/2}, {O, -l/2 - k - r2 - d - e}),
    Ln(kCentre, {-c/2 - e, -l/2 - k - r2 - d/2}, {c/2 + e, -l/2 - k - r2 - d/2}),
};
constexpr auto kE1Turned3 = Join(kSecondOutletFramed, kE1Turned3Rest);

// Turned by -90, seen along the run: the second elbow rising to +Y.
constexpr FigureRow kE1Turned1[] = {
    Ln(kPen2, {c/2, -b/2}, {-0.3 * c, -0.3 * b}),
    Ln(kPen2, {-0.3 * c, -0.3 * b}, {-c/2, b/2}),
    Ln(kOutline, {c/2 + e, -b/2}, {c/2 + k + r1, -b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {c/2 + k + r1, b/2}),
    Ln(kOutline, {-c/2, b/2 + e}, {-c/2 - e, b/2 + e}),
    Ln(kOutline, {-c/2 - e, b/2 + e}, {-c/2 - e, -b/2 - e}),
    Ln(kOutline, {-c/2 - e, -b/2 - e}, {c/2 + e, -b/2 - e}),
    Ln(kOutline, {c/2 + e, -b/2 - e}, {c/2 + e, b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {c/2 + e, b/2 + e}),
    Ln(kOutline, {c/2 + e, b/2 + e}, {c/2, b/2 + e}),
    Ln(kOutline, {c/2, b/2 + k + r2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {-c/2, -b/2}),
    Ln(kOutline, {-c/2, -b/2}, {-c/2, b/2 + k + r2}),
    Ln(kDashed, {-c/2, b/2 + e}, {c/2, b/2 + e}),
    Ln(kDashed, {-c/2, b/2}, {c/2 + e, b/2}),
    Ln(kDashed, {c/2, -b/2}, {c/2 + e, -b/2}),
    Ln(kDashed, {c/2, -b/2}, {0.3 * c, 0.3 * b}),
    Ln(kDashed, {0.3 * c, 0.3 * b}, {-c/2, b/2}),
    Ln(kCentre, {c/2 + k + r1, O}, {-c/2 - e, O}),
    Ln(kCentre, {O, -b/2 - e}, {O, b/2 + k + r2}),
};

// Turned by -90, seen along the run from the other end.
constexpr FigureRow kE1Turned4[] = {
    Ln(kPen2, {-c/2, -b/2}, {0.3 * c, -0.3 * b}),
    Ln(kPen2, {0.3 * c, -0.3 * b}, {c/2, b/2}),
    Ln(kOutline, {-c/2 - k - r1, b/2}, {c/2, b/2}),
    Ln(kOutline, {c/2, b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {-c/2 - k - r1, -b/2}),
    Ln(kOutline, {-c/2 - e, b/2}, {-c/2 - e, b/2 + e}),
    Ln(kOutline, {-c/2 - e, b/2 + e}, {c/2 + e, b/2 + e}),
    Ln(kOutline, {c/2 + e, b/2 + e}, {c/2 + e, -b/2 - e}),
    Ln(kOutline, {c/2 + e, -b/2 - e}, {-c/2 - e, -b/2 - e}),
    Ln(kOutline, {-c/2 - e, -b/2 - e}, {-c/2 - e, -b/2}),
    Ln(kOutline, {-c/2, b/2 + e}, {-c/2, b/2 + k + r2}),
    Ln(kOutline, {c/2, b/2 + e}, {c/2, b/2 + k + r2}),
    Ln(kDashed, {-c/2, b/2 + e}, {-c/2, -b/2}),
    Ln(kDashed, {c/2, b/2 + e}, {c/2, b/2}),
    Ln(kDashed, {-c/2 - e, b/2}, {-c/2 - e, -b/2}),
    Ln(kDashed, {-c/2, -b/2}, {-0.3 * c, 0.3 * b}),
    Ln(kDashed, {-0.3 * c, 0.3 * b}, {c/2, b/2}),
    Ln(kCentre, {-c/2 - k - r1, O}, {c/2 + e, O}),
    Ln(kCentre, {O, -b/2 - e}, {O, b/2 + k + r2}),
};

// Turned by -90, side view: the first elbow end-on at +X, the second in profile.
constexpr FigureRow kE1Turned2[] = {
    Ln(kDashed, {l/2 + k + r1, -b/2}, {l/2 + k + r1 - e, -b/2}),
    Ln(kDashed, {l/2 + k + r1, b/2}, {l/2 + k + r1 - e, b/2}),
    Ln(kOutline, {l/2 + k + r1 - e, -b/2}, {-l/2 - k - r2 - d, -b/2}),
    Ln(kOutline, {l/2 + k + r1 - e, b/2}, {-l/2 - k, b/2}),
    Ln(kOutline, {-l/2, -b/2 - e}, {-l/2, b/2 + e}),
    Ln(kOutline, {l/2, -b/2 - e}, {l/2, b/2 + e}, kPlusJoint),
    Ln(kOutline, {-l/2 - k - r2 - d, b/2 + k + r2}, {-l/2 - k - r2 - d, -b/2}),
    Ar(kOutline, {-l/2 - k, b/2 + r2}, r2, 2, 3),
    Ln(kOutline, {-l/2 - k - r2, b/2 + k + r2}, {-l/2 - k - r2, b/2 + r2}),
    Ln(kCentre, {-l/2 - k - r2 - d/2, b/2 + k + r2}, {-l/2 - k - r2 - d/2, O}),
    Ln(kCentre, {-l/2 - k - r2 - d/2, O}, {l/2 + k + r1 + a + e, O}),
    Ln(kCentre, {l/2 + k + r1 + a/2, -b/2 - e}, {l/2 + k + r1 + a/2, b/2 + e}),
};

// Turned by -90, side view from the other side: the first elbow's outlet framed.
constexpr FigureRow kE1Turned5Rest[] = {
    Ln(kOutline, {-l/2 - k - r1 - a, -b/2}, {l/2 + k + r2 + d, -b/2}),
    Ln(kOutline, {-l/2 - k - r1 - a, b/2}, {l/2 + k, b/2}),
    Ln(kOutline, {-l/2, -b/2 - e}, {-l/2, b/2 + e}),
    Ln(kOutline, {l/2, -b/2 - e}, {l/2, b/2 + e}, kPlusJoint),
    Ln(kOutline, {l/2 + k + r2 + d, b/2 + k + r2}, {l/2 + k + r2 + d, -b/2}),
    Ar(kOutline, {l/2 + k, b/2 + r2}, r2, 3, 4),
    Ln(kOutline, {l/2 + k + r2, b/2 + k + r2}, {l/2 + k + r2, b/2 + r2}),
    Ln(kCentre, {l/2 + k + r2 + d/2, b/2 + k + r2}, {l/2 + k + r2 + d/2, O}),
    Ln(kCentre, {l/2 + k + r2 + d/2, O}, {-l/2 - k - r1 - a - e, O}),
    Ln(kCentre, {-l/2 - k - r1 - a/2, -b/2 - e}, {-l/2 - k - r1 - a/2, b/2 + e}),
};
constexpr auto kE1Turned5 = Join(kFirstOutletFramed, kE1Turned5Rest);

}  // namespace

const CompositeViews& Vle01Views() {
    static const CompositeViews views = {
        Rows(kE1Straight0),
        Rows(kE1Straight4),
        {Rows(kE1Turned0), Rows(kE1Turned1), Rows(kE1Turned2),
         Rows(kE1Turned3), Rows(kE1Turned4), Rows(kE1Turned5)},
        kSymR1,
        kSymR2,
    };
    return views;
}
