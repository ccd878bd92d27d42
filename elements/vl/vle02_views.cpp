// The views of the composite run VLE-02 as tables of data, in the drawing's
// own notation (composite_notation.h).  A row of the joint at +l/2 is drawn
// only when the run has a length.
#include "elements/vl/composite_notation.h"
#include "elements/vl/composite_parts.h"

namespace {

using namespace composite_notation;

// The straight run, plan: the first elbow to +X, the second to -X.
constexpr FigureRow kE2Straight0[] = {
    Ln(kOutline, {-c/2, -l/2 - k}, {-c/2, l/2 + k}),
    Ln(kOutline, {c/2, -l/2 - k}, {c/2, l/2 + k}),
    Ln(kPen1, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kPen1, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {-c/2 + C1, l/2 + k + r1 + a}, {-c/2 + r1 + a, l/2 + k + r1 + a}),
    Ln(kOutline, {c/2 - C2, -l/2 - k - r2 - d}, {c/2 - r2 - d, -l/2 - k - r2 - d}),
    Ar(kOutline, {c/2 + r1, l/2 + k}, r1, 1, 2),
    Ar(kOutline, {-c/2 - r2, -l/2 - k}, r2, 3, 4),
    Ar(kOutline, {-c/2 + r1 + a, l/2 + k}, r1 + a, 1, 2),
    Ar(kOutline, {c/2 - r2 - d, -l/2 - k}, r2 + d, 3, 4),
    Ln(kOutline, {-c/2 + C1, l/2 + k + r1}, {c/2 + r1, l/2 + k + r1}),
    Ln(kOutline, {c/2 - C2, -l/2 - k - r2}, {-c/2 - r2, -l/2 - k - r2}),
    Ln(kCentre, {O, l/2 + k}, {O, -l/2 - k}),
    Ln(kCentre, {-c/2 + C1, l/2 + k + r1 + a/2}, {r1 + a/2, l/2 + k + r1 + a/2}),
    Ln(kCentre, {c/2 - C2, -l/2 - k - r2 - d/2}, {-r2 - d/2, -l/2 - k - r2 - d/2}),
};

// The straight run seen along it from its second elbow's end: the section with its
// flange, the first elbow to -X, the second to +X.
constexpr FigureRow kE2Straight4Rest[] = {
    Ln(kOutline, {c/2 - C1, b/2}, {c/2, b/2}),
    Ln(kOutline, {c/2, b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {c/2 - C1, -b/2}),
    Ln(kDashed, {c/2 + e, b/2}, {c/2, b/2}),
    Ln(kDashed, {c/2 + e, -b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {-c/2 + C2, b/2}),
    Ln(kOutline, {c/2 + e, -b/2}, {-c/2 + C2, -b/2}),
    Ln(kDashed, {-c/2, -b/2}, {-0.3 * c, 0.3 * b}),
    Ln(kDashed, {-0.3 * c, 0.3 * b}, {c/2, b/2}),
    Ln(kCentre, {O, -b/2 - e}, {O, b/2 + e}),
    Ln(kCentre, {-c/2 + C2, O}, {c/2 - C1, O}),
};
constexpr auto kE2Straight4 = Join(kFlangedSection, kE2Straight4Rest);

// Turned by -90, plan: the second elbow seen end-on.
constexpr FigureRow kE2Turned0[] = {
    Ln(kDashed, {-c/2, -l/2 - k - r2}, {-c/2, -l/2 - k - r2 + e}),
    Ln(kDashed, {c/2, -l/2 - k - r2}, {c/2, -l/2 - k - r2 + e}),
    Ln(kOutline, {-c/2, -l/2 - k - r2 + e}, {-c/2, l/2 + k - g1 + a}),
    Ln(kOutline, {c/2, -l/2 - k - r2 + e}, {c/2, l/2 + k}),
    Ln(kOutline, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kOutline, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {-c/2 + C1, l/2 + k + r1 + a}, {-c/2 + r1 + g1, l/2 + k + r1 + a}),
    Ar(kOutline, {c/2 + r1, l/2 + k}, r1, 1, 2),
    Ar(kOutline, {-c/2 + r1 + g1, l/2 + k - g1 + a}, r1 + g1, 1, 2),
    Ln(kOutline, {-c/2 + C1, l/2 + k + r1}, {c/2 + r1, l/2 + k + r1}),
    Ln(kCentre, {-c/2 + C1, l/2 + k + r1 + a/2}, {r1 + g1/2, l/2 + k + r1 + a/2}),
    Ln(kCentre, {O, l/2 + k - g1/2 + a/2}, {O, -l/2 - k - r2 - d - e}),
    Ln(kCentre, {-c/2 - e, -l/2 - k - r2 - d/2}, {c/2 + e, -l/2 - k - r2 - d/2}),
};

// Turned by -90, plan from the other side: the second elbow's outlet framed.
constexpr FigureRow kE2Turned3Rest[] = {
    Ln(kOutline, {c/2, -l/2 - k - r2 - d}, {c/2, l/2 + k - g1 + a}),
    Ln(kOutline, {-c/2, -l/2 - k - r2 - d}, {-c/2, l/2 + k}),
    Ln(kOutline, {-c/2 - e, -l/2}, {c/2 + e, -l/2}),
    Ln(kOutline, {-c/2 - e, l/2}, {c/2 + e, l/2}, kPlusJoint),
    Ln(kOutline, {c/2 - C1, l/2 + k + r1 + a}, {c/2 - r1 - g1, l/2 + k + r1 + a}),
    Ar(kOutline, {-c/2 - r1, l/2 + k}, r1, 0, 1),
    Ar(kOutline, {c/2 - r1 - g1, l/2 + k - g1 + a}, r1 + g1, 0, 1),
    Ln(kOutline, {c/2 - C1, l/2 + k + r1}, {-c/2 - r1, l/2 + k + r1}),
    Ln(kCentre, {c/2 - C1, l/2 + k + r1 + a/2}, {-r1 - g1/2, l/2 + k + r1 + a/2}),
    Ln(kCentre, {O, l/2 + k - g1/2 + a/2}, {O, -l/2 - k - r2 - d - e}),
    Ln(kCentre, {-c/2 - e, -l/2 - k - r2 - d/2}, {c/2 + e, -l/2 - k - r2 - d/2}),
};
constexpr auto kE2Turned3 = Join(kSecondOutletFramed, kE2Turned3Rest);

// Turned by -90, seen along the run: the second elbow rising to +Y.
constexpr FigureRow kE2Turned1[] = {
    Ln(kPen2, {c/2, -b/2}, {-0.3 * c, -0.3 * b}),
    Ln(kPen2, {-0.3 * c, -0.3 * b}, {-c/2, b/2}),
    Ln(kOutline, {c/2 + e, -b/2}, {-c/2 + C1, -b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {-c/2 + C1, b/2}),
    Ln(kOutline, {-c/2, b/2 + e}, {-c/2 - e, b/2 + e}),
    Ln(kOutline, {-c/2 - e, b/2 + e}, {-c/2 - e, -b/2 - e}),
    Ln(kOutline, {-c/2 - e, -b/2 - e}, {c/2 + e, -b/2 - e}),
    Ln(kOutline, {c/2 + e, -b/2 - e}, {c/2 + e, b/2}),
    Ln(kOutline, {c/2 + e, b/2}, {c/2 + e, b/2 + e}),
    Ln(kOutline, {c/2 + e, b/2 + e}, {c/2, b/2 + e}),
    Ln(kOutline, {c/2, -b/2 + C2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {-c/2, -b/2}),
    Ln(kOutline, {-c/2, -b/2}, {-c/2, -b/2 + C2}),
    Ln(kDashed, {-c/2, b/2 + e}, {c/2, b/2 + e}),
    Ln(kDashed, {-c/2, b/2}, {c/2 + e, b/2}),
    Ln(kDashed, {c/2, -b/2}, {c/2 + e, -b/2}),
    Ln(kDashed, {c/2, -b/2}, {0.3 * c, 0.3 * b}),
    Ln(kDashed, {0.3 * c, 0.3 * b}, {-c/2, b/2}),
    Ln(kCentre, {-c/2 + C1, O}, {-c/2 - e, O}),
    Ln(kCentre, {O, -b/2 - e}, {O, -b/2 + C2}),
};

// Turned by -90, seen along the run from the other end.
constexpr FigureRow kE2Turned4[] = {
    Ln(kPen2, {-c/2, -b/2}, {0.3 * c, -0.3 * b}),
    Ln(kPen2, {0.3 * c, -0.3 * b}, {c/2, b/2}),
    Ln(kOutline, {c/2 - C1, b/2}, {c/2, b/2}),
    Ln(kOutline, {c/2, b/2}, {c/2, -b/2}),
    Ln(kOutline, {c/2, -b/2}, {c/2 - C1, -b/2}),
    Ln(kOutline, {-c/2 - e, b/2}, {-c/2 - e, b/2 + e}),
    Ln(kOutline, {-c/2 - e, b/2 + e}, {c/2 + e, b/2 + e}),
    Ln(kOutline, {c/2 + e, b/2 + e}, {c/2 + e, -b/2 - e}),
    Ln(kOutline, {c/2 + e, -b/2 - e}, {-c/2 - e, -b/2 - e}),
    Ln(kOutline, {-c/2 - e, -b/2 - e}, {-c/2 - e, -b/2}),
    Ln(kOutline, {-c/2, b/2 + e}, {-c/2, -b/2 + C2}),
    Ln(kOutline, {c/2, b/2 + e}, {c/2, -b/2 + C2}),
    Ln(kDashed, {-c/2, b/2 + e}, {-c/2, -b/2}),
    Ln(kDashed, {c/2, b/2 + e}, {c/2, b/2}),
    Ln(kDashed, {-c/2 - e, b/2}, {-c/2 - e, -b/2}),
    Ln(kDashed, {-c/2, -b/2}, {-0.3 * c, 0.3 * b}),
    Ln(kDashed, {-0.3 * c, 0.3 * b}, {c/2, b/2}),
    Ln(kCentre, {c/2 - C1, O}, {c/2 + e, O}),
    Ln(kCentre, {O, -b/2 - e}, {O, -b/2 + C2}),
};

// Turned by -90, side view: the first elbow end-on at +X, the second in profile.
constexpr FigureRow kE2Turned2[] = {
    Ln(kDashed, {l/2 + k + r1, -b/2}, {l/2 + k + r1 - e, -b/2}),
    Ln(kDashed, {l/2 + k + r1, b/2}, {l/2 + k + r1 - e, b/2}),
    Ln(kOutline, {l/2 + k + r1 - e, -b/2}, {-l/2 - k + g2 - d, -b/2}),
    Ln(kOutline, {l/2 + k + r1 - e, b/2}, {-l/2 - k, b/2}),
    Ln(kOutline, {-l/2, -b/2 - e}, {-l/2, b/2 + e}),
    Ln(kOutline, {l/2, -b/2 - e}, {l/2, b/2 + e}, kPlusJoint),
    Ln(kOutline, {-l/2 - k - r2 - d, -b/2 + C2}, {-l/2 - k - r2 - d, -b/2 + r2 + g2}),
    Ar(kOutline, {-l/2 - k, b/2 + r2}, r2, 2, 3),
    Ar(kOutline, {-l/2 - k + g2 - d, -b/2 + r2 + g2}, r2 + g2, 2, 3),
    Ln(kOutline, {-l/2 - k - r2, -b/2 + C2}, {-l/2 - k - r2, b/2 + r2}),
    Ln(kCentre, {-l/2 - k - r2 - d/2, -b/2 + C2}, {-l/2 - k - r2 - d/2, r2 + g2/2}),
    Ln(kCentre, {-l/2 - k + g2/2 - d/2, O}, {l/2 + k + r1 + a + e, O}),
    Ln(kCentre, {l/2 + k + r1 + a/2, -b/2 - e}, {l/2 + k + r1 + a/2, b/2 + e}),
};

// Turned by -90, side view from the other side: the first elbow's outlet framed.
constexpr FigureRow kE2Turned5Rest[] = {
    Ln(kOutline, {-l/2 - k - r1 - a, -b/2}, {l/2 + k - g2 + d, -b/2}),
    Ln(kOutline, {-l/2 - k - r1 - a, b/2}, {l/2 + k, b/2}),
    Ln(kOutline, {-l/2, -b/2 - e}, {-l/2, b/2 + e}),
    Ln(kOutline, {l/2, -b/2 - e}, {l/2, b/2 + e}, kPlusJoint),
    Ln(kOutline, {l/2 + k + r2 + d, -b/2 + C2}, {l/2 + k + r2 + d, -b/2 + r2 + g2}),
    Ar(kOutline, {l/2 + k, b/2 + r2}, r2, 3, 4),
    Ar(kOutline, {l/2 + k - g2 + d, -b/2 + r2 + g2}, r2 + g2, 3, 4),
    Ln(kOutline, {l/2 + k + r2, -b/2 + C2}, {l/2 + k + r2, b/2 + r2}),
    Ln(kCentre, {l/2 + k + r2 + d/2, -b/2 + C2}, {l/2 + k + r2 + d/2, r2 + g2/2}),
    Ln(kCentre, {l/2 + k - g2/2 + d/2, O}, {-l/2 - k - r1 - a - e, O}),
    Ln(kCentre, {-l/2 - k - r1 - a/2, -b/2 - e}, {-l/2 - k - r1 - a/2, b/2 + e}),
};
constexpr auto kE2Turned5 = Join(kFirstOutletFramed, kE2Turned5Rest);

}  // namespace

const CompositeViews& Vle02Views() {
    static const CompositeViews views = {
        Rows(kE2Straight0),
        Rows(kE2Straight4),
        {Rows(kE2Turned0), Rows(kE2Turned1), Rows(kE2Turned2),
         Rows(kE2Turned3), Rows(kE2Turned4), Rows(kE2Turned5)},
        kSymC1,
        kSymC2,
    };
    return views;
}
