// Curves that are no circle (ellipses, splines) searched for a pick: a
// pick takes one only when a point of it is proven within reach, however
// nearly round it is, and a search that runs out of work says so.  The
// curves' points and normals are worked out here from their own formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "test_blocks.h"

using namespace host::db;

namespace {

constexpr double kPickBox = 3;  // the shell's default pick box
constexpr double kHair = 1e-6;  // how far within or beyond reach a pick lies

class CurveSearchPicks : public ::testing::Test {
protected:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot ms() const { return db->modelSpace(); }
    Slot add(Slot in, const char* type, GroupList groups) {
        return test_drawing::addEntity(*db, in, type, std::move(groups));
    }
    Slot insert(const std::string& name, double sx, double sy) {
        return add(ms(), "INSERT",
                   {Group::text(2, name), Group::point(10, 0, 0, 0), Group::real(41, sx), Group::real(42, sy),
                    Group::real(43, 1), Group::real(50, 0)});
    }
    bool picked(Slot entity, double x, double y, double radius = kPickBox) const {
        return pick(*db, x, y, radius) == entity;
    }
    // A whole ellipse about the origin, its major axis (a, 0), its minor ratio * a.
    Slot ellipse(Slot in, double a, double ratio) {
        return add(in, "ELLIPSE",
                   {Group::point(10, 0, 0, 0), Group::point(11, a, 0, 0), Group::real(40, ratio), Group::real(41, 0),
                    Group::real(42, 2 * M_PI)});
    }
    // The circle of radius r about the origin as an exact rational spline:
    // four quarters of degree 2, their middle weights sqrt(2)/2.
    Slot rationalCircle(Slot in, double r) {
        GroupList g = {Group::integer(70, 8 + 4), Group::integer(71, 2), Group::integer(72, 12), Group::integer(73, 9)};
        for (double k : {0.0, 0.0, 0.0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1.0, 1.0, 1.0})
            g.push_back(Group::real(40, k));
        const double xs[9] = {1, 1, 0, -1, -1, -1, 0, 1, 1}, ys[9] = {0, 1, 1, 1, 0, -1, -1, -1, 0};
        for (int i = 0; i < 9; ++i) g.push_back(Group::point(10, r * xs[i], r * ys[i], 0));
        for (int i = 0; i < 9; ++i) g.push_back(Group::real(41, i % 2 ? M_SQRT1_2 : 1.0));
        return add(in, "SPLINE", std::move(g));
    }
    // An exact rational arc of radius r about the origin, `degrees` wide
    // and halved by the x axis: one span of degree 2, its middle weight
    // the cosine of half its angle.
    Slot rationalArc(Slot in, double r, double degrees) {
        const double h = degrees / 2 * M_PI / 180;
        GroupList g = {Group::integer(70, 8 + 4), Group::integer(71, 2), Group::integer(72, 6), Group::integer(73, 3)};
        for (double k : {0, 0, 0, 1, 1, 1}) g.push_back(Group::real(40, k));
        g.push_back(Group::point(10, r * std::cos(h), -r * std::sin(h), 0));
        g.push_back(Group::point(10, r / std::cos(h), 0, 0));
        g.push_back(Group::point(10, r * std::cos(h), r * std::sin(h), 0));
        for (double w : {1.0, std::cos(h), 1.0}) g.push_back(Group::real(41, w));
        return add(in, "SPLINE", std::move(g));
    }
    // The DrawnShapes of a model-space entity, built.
    std::unique_ptr<DrawnShapes> drawn(Slot entity) {
        auto shapes = std::make_unique<DrawnShapes>(*db);
        const std::vector<Slot>& list = db->block(ms())->entities;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] == entity) EXPECT_TRUE(shapes->build(list, i));
        return shapes;
    }
};

// One cubic Bezier span, S-shaped: its points and unit normals.
struct Bezier {
    static constexpr double px[4] = {0, 30, 70, 100}, py[4] = {0, 40, -40, 0};
    static constexpr double kTop = 11.547005383792516;  // its greatest y
    GroupList groups() const {
        GroupList g = {Group::integer(70, 8), Group::integer(71, 3), Group::integer(72, 8), Group::integer(73, 4)};
        for (double k : {0, 0, 0, 0, 1, 1, 1, 1}) g.push_back(Group::real(40, k));
        for (int i = 0; i < 4; ++i) g.push_back(Group::point(10, px[i], py[i], 0));
        return g;
    }
    // The point at t moved `off` along the normal there.
    void at(double t, double off, double& x, double& y) const {
        const double u = 1 - t, b[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t},
                     d[4] = {-3 * u * u, 3 * u * u - 6 * u * t, 6 * u * t - 3 * t * t, 3 * t * t};
        double tx = 0, ty = 0;
        x = y = 0;
        for (int i = 0; i < 4; ++i) {
            x += b[i] * px[i];
            y += b[i] * py[i];
            tx += d[i] * px[i];
            ty += d[i] * py[i];
        }
        double length = std::hypot(tx, ty);
        x -= off * ty / length;
        y += off * tx / length;
    }
};

// Nearly round curves picked at their middle: every point lies 5 away,
// beyond the pick box, and a search that gave up on them once answered
// from the loose bound of the pieces it had not looked at (2.07).
TEST_F(CurveSearchPicks, NearlyRoundCurvesAreNotTakenFromTheirMiddle) {
    Slot round = ellipse(ms(), 5, 0.9999999);
    EXPECT_FALSE(picked(round, 0, 0));
    EXPECT_FALSE(picked(round, 0, 0, 5 * 0.9999999 - kHair));
    EXPECT_TRUE(picked(round, 0, 0, 5 * 0.9999999 + kHair));
    EXPECT_TRUE(picked(round, 0, 5 + kPickBox - kHair));
    db->setErased(round, true);
    // A circle in an insert whose scales differ in the 7th digit, beside
    // a line that keeps the block's ring from turning the pick down.
    const double r = 3.2;
    Slot disc = test_drawing::addBlock(*db, "DISC");
    add(disc, "CIRCLE", {Group::point(10, 0, 0, 0), Group::real(40, r)});
    add(disc, "LINE", {Group::point(10, 20, -1, 0), Group::point(11, 20, 1, 0)});
    Slot squashed = insert("DISC", 1, 1.000001);
    EXPECT_FALSE(picked(squashed, 0, 0));
    EXPECT_TRUE(picked(squashed, 0, 0, r + kHair));
    EXPECT_TRUE(picked(squashed, r - kPickBox + kHair, 0));
    db->setErased(squashed, true);
    // Exact rational curves: an arc of 160 degrees, and a circle in model
    // space and in a block.
    Slot arc = rationalArc(ms(), r, 160);
    EXPECT_FALSE(picked(arc, 0, 0));
    EXPECT_FALSE(picked(arc, 0, 0, r - kHair));
    EXPECT_TRUE(picked(arc, 0, 0, r + kHair));
    db->setErased(arc, true);
    Slot spline = rationalCircle(ms(), 5);
    EXPECT_FALSE(picked(spline, 0, 0));
    EXPECT_FALSE(picked(spline, 0, 0, 5 - kHair));
    EXPECT_TRUE(picked(spline, 0, 0, 5 + kHair));
    db->setErased(spline, true);
    rationalCircle(test_drawing::addBlock(*db, "RING"), 5);
    Slot ring = insert("RING", 1, 1);
    EXPECT_FALSE(picked(ring, 0, 0));
    EXPECT_FALSE(picked(ring, 0.5, -0.3));
}

// The general search, picks a hair within and beyond reach: a thin
// ellipse on either side (inside only where its other side lies beyond
// the pick box), a rational circle enlarged a thousand times, a cubic span.
TEST_F(CurveSearchPicks, PicksAHairWithinReachAreTakenAndAHairBeyondAreNot) {
    const double a = 100, b = 5;
    Slot thin = ellipse(ms(), a, b / a);
    for (double t : {0.0, 0.3, 1.2, 2.5, 4.0}) {
        double x = a * std::cos(t), y = b * std::sin(t), nx = b * std::cos(t), ny = a * std::sin(t);
        double n = std::hypot(nx, ny);
        nx /= n;
        ny /= n;
        for (double side : {1.0, -1.0}) {
            if (side < 0 && std::fabs(std::sin(t)) < 0.9) continue;  // its other side lies near
            EXPECT_TRUE(picked(thin, x + side * (kPickBox - kHair) * nx, y + side * (kPickBox - kHair) * ny)) << t;
            EXPECT_FALSE(picked(thin, x + side * (kPickBox + kHair) * nx, y + side * (kPickBox + kHair) * ny)) << t;
        }
    }
    EXPECT_FALSE(picked(thin, 0, 0, b - kHair));
    EXPECT_TRUE(picked(thin, 0, 0, b + kHair));
    db->setErased(thin, true);

    rationalCircle(test_drawing::addBlock(*db, "RING"), 5);
    for (double scale : {1.0, 1000.0}) {
        Slot ring = insert("RING", scale, scale);
        const double r = 5 * scale;
        for (double angle : {0.1, 0.7, 2.0, 3.9, 5.5}) {
            double c = std::cos(angle), s = std::sin(angle);
            for (double side : {1.0, -1.0}) {
                double within = r + side * (kPickBox - kHair), beyond = r + side * (kPickBox + kHair);
                EXPECT_TRUE(picked(ring, within * c, within * s)) << scale << " " << angle;
                EXPECT_FALSE(picked(ring, beyond * c, beyond * s)) << scale << " " << angle;
            }
        }
        db->setErased(ring, true);
    }

    const Bezier bezier;
    add(test_drawing::addBlock(*db, "S"), "SPLINE", bezier.groups());
    Slot s = insert("S", 1, 1);
    for (double t : {0.2, 0.5, 0.8})
        for (double side : {1.0, -1.0}) {
            double x, y;
            bezier.at(t, side * (kPickBox - kHair), x, y);
            EXPECT_TRUE(picked(s, x, y)) << t;
            bezier.at(t, side * (kPickBox + kHair), x, y);
            EXPECT_FALSE(picked(s, x, y)) << t;
        }
}

// A search that runs out of its work before it decides leaves the curve
// undecided, never taken nor turned down from a bound it did not tighten;
// with the work it needs it decides.
TEST_F(CurveSearchPicks, ASearchOutOfWorkIsUndecided) {
    const double a = 100, b = 5, t = 1.2;
    Slot thin = ellipse(ms(), a, b / a);
    double nx = b * std::cos(t), ny = a * std::sin(t), n = std::hypot(nx, ny);
    double x = a * std::cos(t) + (kPickBox - kHair) * nx / n, y = b * std::sin(t) + (kPickBox - kHair) * ny / n;
    std::unique_ptr<DrawnShapes> shapes = drawn(thin);
    shapes->setWorkLimit(1);
    EXPECT_FALSE(shapes->near(x, y, kPickBox));
    EXPECT_TRUE(shapes->undecided());
    shapes->setWorkLimit(UINT64_MAX);
    EXPECT_TRUE(shapes->near(x, y, kPickBox));
    EXPECT_FALSE(shapes->undecided());
    db->setErased(thin, true);

    // A spline: a pick beside it, a crossing strip across it (no point
    // drawn in the strip) and a window that cuts off its top.
    const Bezier bezier;
    Slot s = add(ms(), "SPLINE", bezier.groups());
    shapes = drawn(s);
    bezier.at(0.3, kPickBox - kHair, x, y);
    for (uint64_t limit : {uint64_t{1}, UINT64_MAX}) {
        SCOPED_TRACE(limit);
        const bool enough = limit == UINT64_MAX;
        shapes->setWorkLimit(limit);
        EXPECT_EQ(shapes->near(x, y, kPickBox), enough);
        EXPECT_EQ(shapes->undecided(), !enough);
        EXPECT_EQ(shapes->meets(60.995, -100, 61.005, 100), enough);
        EXPECT_EQ(shapes->undecided(), !enough);
        EXPECT_FALSE(shapes->inside(-1, -20, 101, Bezier::kTop - 0.1));
        EXPECT_EQ(shapes->undecided(), !enough);
    }
    db->setErased(s, true);

    // A spline swinging a million units up and down between x = 10 and
    // -10, so that the box of every span holds a pick 4.4 from its curve,
    // placed ten times at tiny offsets: its spans' work is counted, and a
    // pick stops within its work and says so, or with the work it needs
    // turns it down.
    constexpr int kCount = 200;
    GroupList g = {Group::integer(70, 8), Group::integer(71, 3), Group::integer(72, kCount + 4),
                   Group::integer(73, kCount)};
    for (int j = 0; j < kCount + 4; ++j) g.push_back(Group::real(40, std::clamp(j - 3, 0, kCount - 3)));
    for (int i = 0; i < kCount; ++i) g.push_back(Group::point(10, i % 3 == 2 ? -10 : 10, i % 2 ? -1e6 : 1e6, 0));
    add(test_drawing::addBlock(*db, "SWING"), "SPLINE", std::move(g));
    Slot ten = test_drawing::addBlock(*db, "TEN");
    for (int i = 0; i < 10; ++i) add(ten, "INSERT", {Group::text(2, "SWING"), Group::point(10, i * 1e-3, 0, 0)});
    Slot nest = insert("TEN", 1, 1);
    for (uint64_t limit : {uint64_t{2000}, UINT64_MAX}) {
        shapes = drawn(nest);  // its own: answers are kept for inserts alike
        shapes->setWorkLimit(limit);
        EXPECT_FALSE(shapes->near(4.79, 0, kPickBox));
        EXPECT_EQ(shapes->undecided(), limit != UINT64_MAX);
    }
}

} // namespace
