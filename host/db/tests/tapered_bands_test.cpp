// The bands of wide bulged polyline segments against their exact geometry,
// in model space and in a block placed 1000 times larger: a width that runs
// from start to end along the arc (slightly and fully tapered, arrowheads
// of every bend, half and nearly full turns, either way round, an inner
// side passing the centre), and a bulge that is a rounding residue, which
// is the straight band.  Picks just inside each side take the polyline and
// picks just outside do not, so the drawn sides stay within a ten
// thousandth of the widest width of the true ones; crossings and windows
// agree.  At 2^20, in a block and as a polyline of coordinates that large,
// they stay within half a unit: the sides are the exact curves, not arcs
// near them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "db/entity_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

// How far a drawn side may lie from the true one, as a share of the
// band's widest width.
constexpr double kSideShare = 1e-4;

// The band of one wide segment from (0, 0) to (length, 0) with a bulge: its
// sides lie half the width out from the arc and half in, along the radius
// from the arc's centre, the width running evenly along the arc from
// start to end.  Worked out from the chord, never from the centre, so
// that a nearly straight one stays exact.
struct TrueBand {
    double length, bulge, start, end;

    // The point of a side (+1 away from the centre, -1 towards it) a share
    // u along, and the unit normal there out of the band.
    struct SidePoint {
        double x, y, nx, ny;
    };
    SidePoint side(double u, double sign) const {
        const double turn = 4 * std::atan(bulge), radius = length / (2 * std::fabs(std::sin(turn / 2)));
        const double t0 = -std::copysign(M_PI / 2, turn) - turn / 2, t = t0 + turn * u, mid = t0 + turn * u / 2;
        const double chord = 2 * radius * std::sin(turn * u / 2), half = (start + (end - start) * u) / 2;
        SidePoint s{-chord * std::sin(mid) + sign * half * std::cos(t),
                    chord * std::cos(mid) + sign * half * std::sin(t), 0, 0};
        // Along the side: round the centre, and out as the width grows.
        const double round = (radius + sign * half) * turn, out = sign * (end - start) / 2;
        const double tx = -std::sin(t) * round + std::cos(t) * out, ty = std::cos(t) * round + std::sin(t) * out;
        const double l = std::hypot(tx, ty), away = sign * (ty * std::cos(t) - tx * std::sin(t)) > 0 ? 1 : -1;
        s.nx = away * ty / l;
        s.ny = -away * tx / l;
        return s;
    }

    // The box of both sides (their ends are the band's corners): sampled,
    // each extreme then narrowed between the samples beside it, so that it
    // stays exact however large the band is drawn.
    void box(double& x1, double& y1, double& x2, double& y2) const {
        x1 = y1 = INFINITY;
        x2 = y2 = -INFINITY;
        const int samples = 1 << 16;
        for (double sign : {1.0, -1.0}) {
            // Of x, -x, y and -y, the greatest, found near sample k.
            auto most = [&](int which, int k) {
                auto value = [&](double u) {
                    SidePoint s = side(std::clamp(u, 0.0, 1.0), sign);
                    return (which & 1 ? -1 : 1) * (which & 2 ? s.y : s.x);
                };
                double lo = (k - 1.0) / samples, hi = (k + 1.0) / samples;
                for (int i = 0; i < 100; ++i) {
                    double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
                    if (value(m1) < value(m2)) lo = m1;
                    else hi = m2;
                }
                return std::max(value(lo), value(static_cast<double>(k) / samples));
            };
            int best[4] = {0, 0, 0, 0};
            double top[4] = {-INFINITY, -INFINITY, -INFINITY, -INFINITY};
            for (int k = 0; k <= samples; ++k) {
                SidePoint s = side(static_cast<double>(k) / samples, sign);
                const double v[4] = {s.x, -s.x, s.y, -s.y};
                for (int i = 0; i < 4; ++i)
                    if (v[i] > top[i]) top[i] = v[i], best[i] = k;
            }
            x2 = std::max(x2, most(0, best[0]));
            x1 = std::min(x1, -most(1, best[1]));
            y2 = std::max(y2, most(2, best[2]));
            y1 = std::min(y1, -most(3, best[3]));
        }
    }
};

// Where a band is drawn: a polyline in model space, its coordinates and
// widths multiplied by the scale; a block inserted at the scale; or a
// MINSERT of it, kArrayCopies copies kArraySpacing apart, which together
// draw the band within a few thousandths.
enum class Where { Model, Block, Array };
constexpr int kArrayCopies = 20;
constexpr double kArraySpacing = 1e-4;

// The band drawn where it is asked (scale 1 always in model space), and
// the entity a pick or window takes.
struct Placed {
    test_drawing::Drawing d;
    Slot taken;
    double scale;
    Where where;

    Placed(const TrueBand& b, double placeScale, bool closed = false, Where at = Where::Block)
        : scale(placeScale), where(placeScale == 1 ? Where::Model : at) {
        std::vector<std::array<double, 5>> rows = {{0, 0, b.bulge, b.start, b.end}, {b.length, 0, 0, 0, 0}};
        // Closed: back to the start with the same bulge (for a residue, over the same band).
        if (closed) rows[1] = {b.length, 0, b.bulge, b.end, b.start};
        if (where == Where::Model) {
            for (auto& row : rows)
                for (size_t i : {0, 1, 3, 4}) row[i] *= scale;
            taken = test_drawing::addLwPolyline(*d.db, d.ms(), rows, closed);
            return;
        }
        test_drawing::addLwPolyline(*d.db, d.block("B"), rows, closed);
        GroupList groups = {Group::text(2, "B"),      Group::point(10, 0, 0, 0), Group::real(41, scale),
                            Group::real(42, scale),   Group::real(43, 1),        Group::real(50, 0)};
        if (where == Where::Array)
            for (Group g : {Group::integer(70, kArrayCopies), Group::integer(71, 1), Group::real(44, kArraySpacing)})
                groups.push_back(g);
        taken = d.add(d.ms(), "INSERT", groups);
    }
    bool picked(double x, double y, double radius) const { return pick(*d.db, x, y, radius) == taken; }
    bool found(double x1, double y1, double x2, double y2, bool crossing) const {
        std::vector<Slot> f = selectWindow(*d.db, x1, y1, x2, y2, crossing);
        return f.size() == 1 && f[0] == taken;
    }
};

std::string describe(const TrueBand& b, const Placed& p) {
    char text[160];
    const char* where[] = {"", " in a block", " in an array"};
    std::snprintf(text, sizeof text, "length %g bulge %g widths %g to %g at scale %g%s", b.length, b.bulge, b.start,
                  b.end, p.scale, where[static_cast<int>(p.where)]);
    return text;
}

// Each side a share u along (away from the ends, `from` to 1 - `from`),
// on the sides given, within kSideShare of the widest width (or, given,
// `near` world units): picks just inside take it and just outside do not,
// and small crossings there find it or not alike; a window round the
// band's box holds it, and one with any edge moved in a little does not.
void expectTrueBand(const TrueBand& b, const Placed& p, std::vector<double> signs = {1, -1}, double from = 1.0 / 64,
                    double within = 0) {
    SCOPED_TRACE(describe(b, p));
    const double unit = within > 0 ? within / 1.5 : kSideShare * std::max(b.start, b.end) * p.scale;
    const double near = 1.5 * unit, spare = 0.25 * unit;
    for (double sign : signs) {
        for (double u = from; u <= 1 - from + 1e-12; u += 1.0 / 64) {
            TrueBand::SidePoint s = b.side(u, sign);
            const double x = s.x * p.scale, y = s.y * p.scale;
            EXPECT_TRUE(p.picked(x - s.nx * near, y - s.ny * near, spare)) << "inside, side " << sign << " at " << u;
            EXPECT_FALSE(p.picked(x + s.nx * near, y + s.ny * near, spare)) << "outside, side " << sign << " at " << u;
            if (std::fmod(u * 64, 16) != 8) continue;  // crossings at odd eighths of the way
            const double ix = x - s.nx * near, iy = y - s.ny * near, ox = x + s.nx * 2 * near, oy = y + s.ny * 2 * near;
            EXPECT_TRUE(p.found(ix - spare, iy - spare, ix + spare, iy + spare, true))
                << "crossing in, " << sign << " " << u;
            EXPECT_FALSE(p.found(ox - spare, oy - spare, ox + spare, oy + spare, true))
                << "crossing out, " << sign << " " << u;
        }
    }
    double x1, y1, x2, y2;
    b.box(x1, y1, x2, y2);
    x1 *= p.scale, y1 *= p.scale, x2 *= p.scale, y2 *= p.scale;
    EXPECT_TRUE(p.found(x1 - near, y1 - near, x2 + near, y2 + near, false));
    EXPECT_FALSE(p.found(x1 + near, y1 - near, x2 + near, y2 + near, false));
    EXPECT_FALSE(p.found(x1 - near, y1 + near, x2 + near, y2 + near, false));
    EXPECT_FALSE(p.found(x1 - near, y1 - near, x2 - near, y2 + near, false));
    EXPECT_FALSE(p.found(x1 - near, y1 - near, x2 + near, y2 - near, false));
    // Crossing strips beyond each side of the box (their first corner out
    // of the band) meet it where they reach into its extreme there, and do
    // not where they stop short of it.
    const double far = x2 - x1 + y2 - y1;
    EXPECT_TRUE(p.found(x1 - far, y2 - near, x2 + far, y2 + far, true)) << "top";
    EXPECT_FALSE(p.found(x1 - far, y2 + near, x2 + far, y2 + far, true)) << "top";
    EXPECT_TRUE(p.found(x1 - far, y1 - far, x2 + far, y1 + near, true)) << "bottom";
    EXPECT_FALSE(p.found(x1 - far, y1 - far, x2 + far, y1 - near, true)) << "bottom";
    EXPECT_TRUE(p.found(x1 - far, y1 - far, x1 + near, y2 + far, true)) << "left";
    EXPECT_FALSE(p.found(x1 - far, y1 - far, x1 - near, y2 + far, true)) << "left";
    EXPECT_TRUE(p.found(x2 - near, y1 - far, x2 + far, y2 + far, true)) << "right";
    EXPECT_FALSE(p.found(x2 + near, y1 - far, x2 + far, y2 + far, true)) << "right";
}

constexpr double kPlacements[] = {1, 1000};

// The bands of every shape above.
std::vector<TrueBand> taperedBands() {
    std::vector<TrueBand> bands = {
        {50, 0.2, 3, 2},       // narrowing
        {50, 0.2, 4, 5},       // widening
        {50, 0.3, 0.9, 1.4},   // narrow, for a block placed large
        {200, 1, 0, 20},       // a half turn from nothing
        {200, -1, 20, 0},      // clockwise, to nothing
        {50, -4, 2, 30},       // most of a turn, clockwise
        {50, 50, 1, 6},        // nearly a whole turn
        {50, 50, 10, 10.001},  // nearly a whole turn, hardly tapered
    };
    // Arrowheads of every bend, the flattest nearly straight.
    for (double bulge : {1e-9, 1e-7, 1e-5, 1e-3, 0.01, -0.01}) bands.push_back({50, bulge, 0, 20});
    return bands;
}

TEST(TaperedBands, TheWidthRunsFromStartToEndAlongTheArcAtAnyScale) {
    for (const TrueBand& b : taperedBands())
        for (double scale : kPlacements) expectTrueBand(b, Placed(b, scale));
}

TEST(TaperedBands, AnInnerSidePastTheCentreStaysSound) {
    // Radius 10, the width growing to 40: the inner side reaches the
    // centre half way and passes it.  Its outer side, clear of the inner
    // one from a quarter of the way on, is as exact as any, the box holds
    // both, and every point of the inner side is taken.
    const TrueBand b{20, 1, 0, 40};
    for (double scale : kPlacements) {
        Placed p(b, scale);
        expectTrueBand(b, p, {1}, 0.25);
        const double near = 1.5 * kSideShare * b.end * scale;
        for (double u = 1.0 / 64; u < 1; u += 1.0 / 64) {
            TrueBand::SidePoint s = b.side(u, -1);
            EXPECT_TRUE(p.picked(s.x * scale, s.y * scale, near)) << u;
        }
    }
}

TEST(TaperedBands, ABulgeThatIsARoundingResidueIsTheStraightBand) {
    // Width 8 from (0, 0) to (50, 0), open and closed (back along itself).
    for (double bulge : {1e-16, -1e-16, 1e-15, -1e-15}) {
        const TrueBand b{50, bulge, 8, 8};
        for (bool closed : {false, true}) {
            for (double scale : kPlacements) {
                SCOPED_TRACE(closed ? "closed" : "open");
                Placed p(b, scale, closed);
                expectTrueBand(b, p);
                EXPECT_TRUE(p.picked(25 * scale, 5 * scale, 3 * scale));
                EXPECT_TRUE(p.picked(25 * scale, -5 * scale, 3 * scale));
                EXPECT_FALSE(p.picked(25 * scale, 7.5 * scale, 3 * scale));
            }
        }
        // Two such segments of width 10 at a right angle are mitred as
        // straight ones are: the outer corner filled, the inner one not.
        test_drawing::Drawing d;
        Slot corner = test_drawing::addLwPolyline(
            *d.db, d.ms(), {{{0, 0, bulge, 10, 10}}, {{100, 0, bulge, 10, 10}}, {{100, 100, 0, 10, 10}}}, false);
        EXPECT_EQ(pick(*d.db, 104, -4, 0.1), corner) << bulge;
        EXPECT_NE(pick(*d.db, 93, 7, 0.1), corner) << bulge;
    }
}

TEST(TaperedBands, TheSidesAreExactAtTwoToTheTwentieth) {
    // In a block inserted at 2^20, as a model-space polyline that large and
    // in an array of such blocks (its copies asked together), half a unit
    // inside and outside the true sides, absolutely.
    constexpr double kLarge = 1048576, kWithin = 0.5;
    for (Where where : {Where::Block, Where::Model, Where::Array}) {
        for (const TrueBand& b : taperedBands())
            expectTrueBand(b, Placed(b, kLarge, false, where), {1, -1}, 1.0 / 64, kWithin);
        const TrueBand pastCentre{20, 1, 0, 40};
        Placed p(pastCentre, kLarge, false, where);
        expectTrueBand(pastCentre, p, {1}, 0.25, kWithin);
        for (double u = 1.0 / 64; u < 1; u += 1.0 / 64) {
            TrueBand::SidePoint s = pastCentre.side(u, -1);
            EXPECT_TRUE(p.picked(s.x * kLarge, s.y * kLarge, kWithin)) << u;
        }
        for (double bulge : {1e-16, -1e-15}) {
            const TrueBand residue{50, bulge, 8, 8};
            for (bool closed : {false, true})
                expectTrueBand(residue, Placed(residue, kLarge, closed, where), {1, -1}, 1.0 / 64, kWithin);
        }
    }
}

TEST(TaperedBands, WhatABandCostsComesFromItsShapeAlone) {
    // A nearly whole turn tapering from nothing, as wide as its chord and a
    // million times wider, at sizes from 1e-3 to 1e6: the same few arcs
    // each side, however large it is drawn.
    for (double taper : {1.0, 1e6}) {
        size_t arcs = 0;
        for (double size : {1e-3, 1.0, 1e6}) {
            test_drawing::Drawing d;
            Slot s = test_drawing::addLwPolyline(*d.db, d.ms(), {{{0, 0, 1e9, 0, taper * size}}, {{size, 0, 0, 0, 0}}},
                                                 false);
            Shapes shapes;
            ShapeScratch scratch;
            addEntityShape(*d.db->object(s), {}, Matrix(), shapes, scratch);
            if (arcs == 0) arcs = shapes.arcs.size();
            EXPECT_EQ(shapes.arcs.size(), arcs) << taper << " " << size;
            EXPECT_LE(shapes.arcs.size(), 2 * 17u) << taper << " " << size;
        }
    }
}

} // namespace
