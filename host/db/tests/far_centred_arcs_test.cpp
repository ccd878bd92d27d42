// Bulges whose arcs have radii near 5e16 (1e-7 over 2e10): placed near
// 1e11, their centres carry rounding of tens of units, more than the pick
// box, so they are answered from their vertices.  Every point asked about
// is worked out in long double about the exact arc (its rounding there is
// hundredths of a unit): picks 2.5 off the arc (or a band's side) are
// taken and 3.5 off are not, all along it and 5 beyond an end; a crossing
// or window with an edge 2 units either side of the arc's middle; a hatch
// picked 5 inside and outside its curved edge.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr double kBulge = 1e-7;

// A placement x' = xx x + xy y + x0, y' = yx x + yy y + y0, as an insert
// scaled by sx and sy and turned makes it.
struct Place {
    long double xx = 1, xy = 0, yx = 0, yy = 1, x0 = 0, y0 = 0;
};
Place placed(double sx, double sy, double degrees, double x, double y) {
    long double a = degrees * (M_PIl / 180), c = std::cos(a), s = std::sin(a);
    return {sx * c, -sy * s, sx * s, sy * c, x, y};
}

// The point a share f along the arc a bulge makes from p to q, carried by
// `place`, moved `off` along the carried curve's normal there (towards the
// centre), or for f outside 0 to 1, `off` beyond that end along its tangent.
Point3 along(const double p[2], const double q[2], double bulge, const Place& place, long double f, long double off) {
    long double dx = (long double)q[0] - p[0], dy = (long double)q[1] - p[1], length = std::hypot(dx, dy);
    long double offset = length / 2 * (1 - (long double)bulge * bulge) / (2 * bulge);
    long double cx = (p[0] + (long double)q[0]) / 2 - dy / length * offset;
    long double cy = (p[1] + (long double)q[1]) / 2 + dx / length * offset;
    long double t = 4 * std::atan((long double)bulge) * std::min(std::max(f, 0.0L), 1.0L);
    long double ax = p[0] - cx, ay = p[1] - cy, c = std::cos(t), s = std::sin(t);
    long double lx = cx + ax * c - ay * s, ly = cy + ay * c + ax * s;
    long double tx = -ax * s - ay * c, ty = -ay * s + ax * c;  // counter-clockwise
    long double wx = place.xx * tx + place.xy * ty, wy = place.yx * tx + place.yy * ty, w = std::hypot(wx, wy);
    long double ux = off * -wy / w, uy = off * wx / w;
    if (f < 0 || f > 1) {
        long double on = (f < 0) == (bulge > 0) ? -off : off;  // the way the arc runs there
        ux = on * wx / w;
        uy = on * wy / w;
    }
    return {static_cast<double>(place.xx * lx + place.xy * ly + place.x0 + ux),
            static_cast<double>(place.yx * lx + place.yy * ly + place.y0 + uy), 0};
}

bool picked(const test_drawing::Drawing& d, Slot entity, const Point3& p) { return pick(*d.db, p.x, p.y, 3) == entity; }

} // namespace

TEST(FarCentredArcs, PicksAreTakenWithinThePickBoxOfTheArcOrBandAndNoFarther) {
    struct Case {
        const char* name;
        double p[2], q[2], bulge;
        double sx = 1, sy = 1, degrees = 0;  // as inserted
        int columns = 0;                     // a MINSERT of columns x columns copies, 3e9 x 7e9 apart
        double start = 0, end = 0;           // widths
    };
    const Case cases[] = {
        {"slanted near 1e11", {1e11, 1e11}, {1.12e11, 1.16e11}, kBulge},
        {"along x near 1e11", {1e11, 1e11}, {1.2e11, 1e11}, -kBulge},
        {"slanted at the origin", {-1e10, -1e10}, {6e9, -2.2e10}, kBulge},
        {"inserted twice as large and turned", {0, 0}, {6e9, 8e9}, kBulge, 2, 2, 30},
        {"inserted mirrored", {0, 0}, {1e10, 1e9}, -kBulge, -1, 1, 10},
        {"inserted unevenly", {0, 0}, {2e10, 3e9}, kBulge, 1, 3, 0},
        {"in an array", {0, 0}, {1.2e10, 1.6e10}, kBulge, 1, 1, 0, 5},
        {"a band 10 wide", {1e11, 1e11}, {1.12e11, 1.16e11}, kBulge, 1, 1, 0, 0, 10, 10},
        {"a band from 10 to 4 wide", {1e11, 1e11}, {1.12e11, 1.16e11}, kBulge, 1, 1, 0, 0, 10, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test_drawing::Drawing d;
        bool inserted = c.sx != 1 || c.sy != 1 || c.degrees != 0 || c.columns > 0;
        Slot entity = test_drawing::addLwPolyline(*d.db, inserted ? d.block("B") : d.ms(),
                                                  {{{c.p[0], c.p[1], c.bulge, c.start, c.end}}, {{c.q[0], c.q[1], 0, 0, 0}}},
                                                  false);
        Place place;
        if (inserted) {
            GroupList more = {Group::real(41, c.sx), Group::real(42, c.sy), Group::real(50, c.degrees)};
            if (c.columns > 0)
                more.insert(more.end(), {Group::integer(70, c.columns), Group::integer(71, c.columns),
                                         Group::real(44, 3e9), Group::real(45, 7e9)});
            entity = d.insert(d.ms(), "B", 1e11, 1e11, more);
            // The copy two columns and three rows on.
            double across = c.columns > 0 ? 6e9 : 0, up = c.columns > 0 ? 2.1e10 : 0;
            place = placed(c.sx, c.sy, c.degrees, 1e11 + across, 1e11 + up);
        }
        for (long double f : {0.1L, 0.3L, 0.5L, 0.7L, 0.9L})
            for (long double off : {2.5L, -2.5L, 3.5L, -3.5L}) {
                long double half = (c.start + (c.end - c.start) * f) / 2;
                Point3 at = along(c.p, c.q, c.bulge, place, f, off + (off > 0 ? half : -half));
                EXPECT_EQ(picked(d, entity, at), std::fabs((double)off) < 3) << (double)f << " " << (double)off;
            }
        if (c.start == 0) {
            for (long double f : {-1.0L, 2.0L}) EXPECT_FALSE(picked(d, entity, along(c.p, c.q, c.bulge, place, f, 5)));
        }
    }
}

// From (1e11, 1e11) along x, 2e10 and 2.4e10 long, bowed down by a bulge
// of 5e-8 (500 and 600 at the middle, less rounding); the hatch's path
// closes over (1.1e11, 1.05e11).
TEST(FarCentredArcs, WindowsCrossingsAndFillsMeetTheArcWhereItIs) {
    constexpr double kThin = 5e-8;
    for (double chord : {2e10, 2.4e10}) {
        SCOPED_TRACE(chord);
        const double p[2] = {1e11, 1e11}, q[2] = {1e11 + chord, 1e11};
        test_drawing::Drawing d;
        Slot arc = test_drawing::addLwPolyline(*d.db, d.ms(), {{{p[0], p[1], kThin, 0, 0}}, {{q[0], q[1], 0, 0, 0}}}, false);
        const double x = 1e11 + chord / 2, low = static_cast<double>(1e11L - chord / 2 * (long double)kThin);
        auto crossed = [&](double top) { return selectWindow(*d.db, x - 1e6, low - 1e3, x + 1e6, top, true).size() == 1; };
        auto held = [&](double bottom) {
            return selectWindow(*d.db, p[0] - 1, bottom, q[0] + 1, p[1] + 1, false) == std::vector<Slot>{arc};
        };
        EXPECT_TRUE(crossed(low + 2));
        EXPECT_FALSE(crossed(low - 2));
        EXPECT_TRUE(held(low - 2));
        EXPECT_FALSE(held(low + 2));

        test_drawing::Drawing f;
        Slot h = f.add(f.ms(), "HATCH",
                       {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), Group::text(2, "SOLID"),
                        Group::integer(70, 1), Group::integer(71, 0), Group::integer(91, 1), Group::integer(92, 3),
                        Group::integer(72, 1), Group::integer(73, 1), Group::integer(93, 3), Group::point(10, p[0], p[1], 0),
                        Group::real(42, kThin), Group::point(10, q[0], q[1], 0), Group::real(42, 0),
                        Group::point(10, 1.1e11, 1.05e11, 0), Group::real(42, 0), Group::integer(97, 0),
                        Group::integer(75, 0), Group::integer(76, 1), Group::integer(98, 0)});
        for (long double share : {0.2L, 0.5L, 0.8L}) {
            EXPECT_TRUE(picked(f, h, along(p, q, kThin, Place(), share, 5))) << "inside at " << (double)share;
            EXPECT_FALSE(picked(f, h, along(p, q, kThin, Place(), share, -5))) << "outside at " << (double)share;
        }
    }
}
