// Picks, windows, crossings and saves of drawings of a few KB that stand
// for more than any machine can draw, or whose curves are huge: MINSERT
// arrays of 32767 x 32767 copies (on one spot, of a construction line,
// turned, of a huge circle and ellipse, of a spline at scale 1000), blocks placing the next ten times at distinct offsets nine deep,
// blocks doubling 22 or 40 deep, turned nested lines inside a window,
// circles and near-full bulges of radius 1e6 and beyond at scales up to
// 2^20, a spline of 3,000 control points, shapes whose numbers overflow
// where they are asked (bulges of 1e-300 at 1e9, a spline swinging 1e150
// wide, weights of 1e300 at 2^60 and weights 1e400 apart), and an MTEXT of
// 80,000 stacks.
// Each step should stay under a second and 100 MB; each answer is checked
// (the benchmark fails on a wrong one).  Where copies multiply beyond any
// bound, leaving the insert out and saying so is right too, taking what is
// not there never.
//
//   hostile_shapes_bench [--list] [--seconds N] [CASE...]   (selection_cases.h)
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "dxf_text.h"
#include "selection_cases.h"

namespace {

using namespace bench;

constexpr double kHuge = 1e7;  // the radius of the circles round the picks
constexpr int kMostCopies = 32767;
constexpr double kPickRadius = 3;  // the program's pick box

// Doubling: each block places the one below at 0 and at 2^-(level + 8)
// along x, every placement distinct.
std::string doubling(int depth, double side) {
    std::string blocks = block("D0", square(side));
    for (int level = 1; level < depth; ++level) {
        double offset = std::ldexp(1.0, -(level + 8));
        blocks += block(named('D', level), insert(named('D', level - 1)) + insert(named('D', level - 1), {.x = offset}));
    }
    return drawing(blocks, insert(named('D', depth - 1)));
}

std::string stacks(int count) {
    std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n" + entities() +
                       "0\nMTEXT\n8\n0\n10\n0\n20\n0\n30\n0\n40\n2.5\n1\n";
    for (int i = 0; i < count; ++i) text += "\\S;";
    return text + "\n" + kEnd;
}

// A chain of blocks placing the next ten times at offsets j 10^-level, the
// top inserted once, turned.
std::string nestedTen(const std::string& innermost, int levels, double degrees) {
    Chain chain{.innermost = innermost, .levels = levels};
    return drawing(chainBlocks(chain), insert(chainTop(chain), {.degrees = degrees}));
}

// The inserts of a block copied `count` times on one spot.
std::string onOneSpot(const std::string& name, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += insert(name);
    return text;
}

void addArrays(std::vector<Case>& cases) {
    const double R = kHuge;
    // A circle of radius 1e7, 32767 x 32767 copies on one spot: one copy.
    cases.push_back({"minsert_on_one_spot",
                     [=] {
                         return drawing(block("C", circle(0, 0, R)),
                                        insert("C", {.columns = kMostCopies, .rows = kMostCopies}));
                     },
                     {{Ask::Pick, "pick_centre", 0, 0, 3, 0, 0},
                      {Ask::Pick, "pick_on", R, 0, 3, 0, 1},
                      {Ask::Window, "window_all", -R - 1, -R - 1, R + 1, R + 1, 1},
                      {Ask::Crossing, "crossing_inside", -10, -10, 10, 10, 0},
                      {Ask::Crossing, "crossing_over", R - 1, -1, R + 1, 1, 1}}});
    // Horizontal construction lines 100 apart, 32767 x 32767 copies: a
    // family of parallel lines; a pick 35 from each, a crossing between.
    const Placement lattice{.columns = kMostCopies, .rows = kMostCopies, .columnSpacing = 100, .rowSpacing = 100};
    cases.push_back({"minsert_xline", [=] { return drawing(block("X", xline(1, 0)), insert("X", lattice)); },
                     {{Ask::Pick, "pick_between", 5000, 35, 3, 0, 0},
                      {Ask::Pick, "pick_on", 5000, 200, 3, 0, 1},
                      {Ask::Crossing, "crossing_between", 10, 10, 90, 90, 0},
                      {Ask::Crossing, "crossing_over", 10, 90, 90, 110, 1},
                      {Ask::Window, "window", -10, -10, 110, 110, 0}}});
    // The same lines at 30 degrees, whose copies are all distinct lines.
    cases.push_back({"minsert_xline_slanted",
                     [=] {
                         return drawing(block("X", xline(std::cos(M_PI / 6), std::sin(M_PI / 6))),
                                        insert("X", lattice));
                     },
                     {{Ask::Pick, "pick_on", 0, 0, 3, 0, 1},
                      {Ask::Pick, "pick_far_off", -1e8, 1e8, 3, 0, 0},
                      {Ask::Crossing, "crossing_over", -1, -1, 1, 1, 1}}});
    // Rows without a row spacing: 32767 rows on one spot of vertical lines
    // 100 apart; a crossing between them.
    cases.push_back({"minsert_rows_no_spacing",
                     [=] {
                         return drawing(block("X", xline(0, 1)),
                                        insert("X", {.columns = kMostCopies, .rows = kMostCopies, .columnSpacing = 100}));
                     },
                     {{Ask::Crossing, "crossing_between", 10, 10, 90, 90, 0},
                      {Ask::Crossing, "crossing_over", 90, 10, 110, 90, 1}}});
    // An array turned 45 degrees of circles of radius 10, 100 apart: a
    // window round all copies but the last holds nothing; one round all holds it.
    const double far = (kMostCopies - 1) * 100.0 / std::sqrt(2.0);
    cases.push_back({"minsert_turned",
                     [=] {
                         Placement turned = lattice;
                         turned.degrees = 45;
                         return drawing(block("T", circle(0, 0, 10)), insert("T", turned));
                     },
                     {{Ask::Window, "window_all_but_one", -far - 20, -20, far + 20, 2 * far - 50, 0},
                      {Ask::Window, "window_all", -far - 20, -20, far + 20, 2 * far + 20, 1},
                      {Ask::Pick, "pick_between", 50, 50, 3, 0, 0},
                      {Ask::Crossing, "crossing_between", -3, 60, 3, 80, 0}}});
    // A MINSERT of 32767 x 32767 copies 100 apart of a block that places a
    // circle of radius 1e7: a pick where the circles of some copies pass
    // looks copy by copy, and finds one.
    cases.push_back({"minsert_of_nested_circles",
                     [=] {
                         return drawing(block("C", circle(0, 0, R)) + block("A", insert("C")), insert("A", lattice));
                     },
                     {{Ask::Pick, "pick_far_inside", 5e6, 5e6, 3, 0, 0},
                      {Ask::Pick, "pick_among_circles", R + 1.6e6 + 0.5, 1.6e6 + 0.25, 3, 0, 1}}});
    // A circle of radius 1e7 and an ellipse 2e7 by 1e7 (apart), each in a
    // MINSERT of 32767 x 32767 copies 100 apart: picks and crossings on the
    // curve of copy (0, 0) down and to the left, and 50 beyond it, where
    // every other copy lies farther (the lattice answers the curves as the
    // curves they are, one line of copies at a time).
    const double t = -0.75 * M_PI - M_PI / 4096, c = std::cos(t), s = std::sin(t);
    const double ex = 1e9 + 2 * R * c, ey = R * s, en = std::hypot(c / 2, s);
    const double fx = ex + 50 * (c / 2) / en, fy = ey + 50 * s / en;
    Placement moved = lattice;
    moved.x = 1e9;
    cases.push_back({"minsert_huge_curves",
                     [=] {
                         std::string ellipse = "0\nELLIPSE\n8\n0\n" + point(10, 0, 0) + point(11, 2 * R, 0) +
                                               group(40, 0.5) + group(41, 0) + group(42, 2 * M_PI);
                         return drawing(block("O", circle(0, 0, R)) + block("E", ellipse),
                                        insert("O", lattice) + insert("E", moved));
                     },
                     {{Ask::Pick, "pick_on_circle", R * c, R * s, 3, 0, 1},
                      {Ask::Pick, "pick_beyond_circle", (R + 50) * c, (R + 50) * s, 3, 0, 0},
                      {Ask::Crossing, "crossing_on_circle", R * c - 1, R * s - 1, R * c + 1, R * s + 1, 1},
                      {Ask::Crossing, "crossing_beyond_circle", (R + 50) * c - 10, (R + 50) * s - 10,
                       (R + 50) * c + 10, (R + 50) * s + 10, 0},
                      {Ask::Pick, "pick_on_ellipse", ex, ey, 3, 0, 1},
                      {Ask::Pick, "pick_beyond_ellipse", fx, fy, 3, 0, 0},
                      {Ask::Crossing, "crossing_on_ellipse", ex - 1, ey - 1, ex + 1, ey + 1, 1},
                      {Ask::Crossing, "crossing_beyond_ellipse", fx - 10, fy - 10, fx + 10, fy + 10, 0}}});
    // A cubic spline 100 across, placed at scale 1000 in a MINSERT of
    // 32767 x 32767 copies 100 apart: picks and crossings on the curve of
    // copy (0, 0) where it lies farthest down and to the left (between
    // the points its chords are drawn through), and 50 beyond it, where
    // every other copy lies farther.
    const std::vector<Vertex> bend{{0, 100}, {0, 20}, {40, 0}, {100, 0}};
    auto bendAt = [bend](double u) {
        const double a = (1 - u) * (1 - u) * (1 - u), b = 3 * (1 - u) * (1 - u) * u, c3 = 3 * (1 - u) * u * u,
                     d = u * u * u;
        return Vertex{1000 * (a * bend[0].x + b * bend[1].x + c3 * bend[2].x + d * bend[3].x),
                      1000 * (a * bend[0].y + b * bend[1].y + c3 * bend[2].y + d * bend[3].y)};
    };
    // Where x + y is least, by narrowing a bracket of that convex function.
    double lo = 0, hi = 1;
    for (int i = 0; i < 200; ++i) {
        double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        Vertex p1 = bendAt(m1), p2 = bendAt(m2);
        (p1.x + p1.y < p2.x + p2.y ? hi : lo) = p1.x + p1.y < p2.x + p2.y ? m2 : m1;
    }
    const Vertex on = bendAt((lo + hi) / 2);
    const double bx = on.x - 50 / std::sqrt(2.0), by = on.y - 50 / std::sqrt(2.0);
    Placement scaled = lattice;
    scaled.scale = 1000;
    cases.push_back({"minsert_spline_at_scale_1000",
                     [=] { return drawing(block("S", spline(3, bend)), insert("S", scaled)); },
                     {{Ask::Pick, "pick_on_curve", on.x, on.y, 3, 0, 1},
                      {Ask::Pick, "pick_beyond_curve", bx, by, 3, 0, 0},
                      {Ask::Crossing, "crossing_on_curve", on.x - 1, on.y - 1, on.x + 1, on.y + 1, 1},
                      {Ask::Crossing, "crossing_beyond_curve", bx - 10, by - 10, bx + 10, by + 10, 0}}});
}

void addNesting(std::vector<Case>& cases) {
    const double R = kHuge;
    // Ten inserts at small distinct offsets, nine levels (a billion paths),
    // round a circle of radius 1e7; and the same with the top turned.
    for (double degrees : {0.0, 45.0}) {
        const double reach = R + 10;
        cases.push_back({degrees == 0 ? "nested_ten_nine_deep" : "nested_ten_nine_deep_turned",
                         [=] { return nestedTen(circle(0, 0, R), 9, degrees); },
                         {{Ask::Pick, "pick_centre", 0, 0, 3, 0, 0},
                          {Ask::Crossing, "crossing_centre", -100, -100, 100, 100, 0},
                          {Ask::Window, "window_all", -reach, -reach, reach, reach, 1},
                          {Ask::Window, "window_half", -reach, -reach, reach, 0, 0}}});
    }
    // Squares of side 1 doubling 22 deep at distinct offsets: a pick and a
    // crossing at the middle of the squares, on nothing.
    cases.push_back({"doubling_22_deep", [] { return doubling(22, 1); },
                     {{Ask::Pick, "pick_middle", 0.5, 0.5, 0.01, 0, 0},
                      {Ask::Crossing, "crossing_middle", 0.45, 0.45, 0.55, 0.55, 0},
                      {Ask::Window, "window_all", -1, -1, 3, 3, 1}}});
    // A cross of two lines 2e7 long, ten inserts at distinct offsets nine
    // levels deep: a pick or crossing in a quarter between its arms is
    // inside every box and near no line, among a billion copies.
    cases.push_back({"nested_cross_undecided", [=] { return nestedTen(cross(2 * R), 9, 0); },
                     {{Ask::Pick, "pick_between_arms", R / 2, R / 2, 3, 0, 0, 0, true},
                      {Ask::Crossing, "crossing_between_arms", R / 2, R / 2, R / 2 + 10, R / 2 + 10, 0, 0, true},
                      {Ask::Pick, "pick_on_arm", R / 2, 0, 3, 0, 1}}});
    // The same cross nine deep, the top inserted 1,000 and 4,000 times on
    // one spot: a crossing 10 wide at 5e6,5e6 meets nothing.
    for (int count : {1000, 4000}) {
        const double c = R / 2;
        cases.push_back({"cross_nine_deep_" + std::to_string(count) + "_on_one_spot",
                         [=] {
                             Chain chain{.innermost = cross(2 * R), .levels = 9};
                             return drawing(chainBlocks(chain), onOneSpot(chainTop(chain), count));
                         },
                         {{Ask::Crossing, "crossing_between_arms", c - 5, c - 5, c + 5, c + 5, 0, 0, true}}});
    }
    // 100 and 1,000 circles of radius 1 round a circle of radius 1e5, that
    // ring placed ten times at distinct tiny offsets by each of 7 blocks: a
    // pick and a crossing between two of the circles meet nothing, a pick on
    // one takes it.
    for (int circles : {100, 1000}) {
        const double ring = 1e5, between = M_PI / circles;
        const double bx = ring * std::cos(between), by = ring * std::sin(between);
        cases.push_back({"ring_of_" + std::to_string(circles) + "_circles_seven_deep",
                         [=] {
                             std::string placed;
                             for (int k = 0; k < circles; ++k) {
                                 double a = 2 * M_PI * k / circles;
                                 placed += insert("RC", {.x = ring * std::cos(a), .y = ring * std::sin(a)});
                             }
                             Chain chain{.letter = 'N', .innermost = placed, .levels = 7};
                             return drawing(block("RC", circle(0, 0, 1)) + chainBlocks(chain), insert(chainTop(chain)));
                         },
                         {{Ask::Pick, "pick_between", bx, by, kPickRadius, 0, 0, 0, true},
                          {Ask::Crossing, "crossing_between", bx - 5, by - 5, bx + 5, by + 5, 0, 0, true},
                          {Ask::Pick, "pick_on_circle", ring + 1, 0, kPickRadius, 0, 1, 0, true}}});
    }
}

// Copies that add nothing a selection must see: a block placing three
// things, a short line 20 long at 5e6,5e6, a cross of two lines 2e7 long
// placed twice on one spot by each of 40 blocks in a chain, and the cross
// placed 8 times at distinct small offsets by each of 5 blocks (8^5 places,
// looked at first): a pick on the short line takes the insert, with both
// chains and with either alone.
void addCopiesOnOneSpot(std::vector<Case>& cases) {
    const double at = 5e6;
    const Chain doubled{.letter = 'A', .innermost = cross(2e7), .levels = 40, .copies = 2,
                        .offset = [](int) { return 0.0; }};
    const Chain spread{.letter = 'B', .innermost = cross(2e7), .levels = 5, .copies = 8};
    struct Variant {
        const char* name;
        bool doubled, spread;
    };
    for (Variant v : {Variant{"copies_on_one_spot", true, true}, Variant{"copies_on_one_spot_doubled_only", true, false},
                      Variant{"copies_on_one_spot_spread_only", false, true}}) {
        cases.push_back({v.name,
                         [=] {
                             std::string blocks = block("S", line(0, 0, 20, 0)), top = insert("S", {.x = at, .y = at});
                             if (v.doubled) blocks += chainBlocks(doubled), top += insert(chainTop(doubled));
                             if (v.spread) blocks += chainBlocks(spread), top += insert(chainTop(spread));
                             return drawing(blocks + block("TOP", top), insert("TOP"));
                         },
                         {{Ask::Pick, "pick_short_line", at + 10, at, kPickRadius, 0, 1}}});
    }
    // A line 1,000 long at 45 degrees placed 10 times turned 1 degree apart
    // at offsets of 1e-8 by each of 8 blocks, the top inserted 1, 250 and
    // 3,000 times on one spot: a window round it all holds every insert
    // whole (the copies turn up to 117 degrees, within 1,000 of the origin).
    for (int count : {1, 250, 3000}) {
        cases.push_back({"turned_lines_eight_deep_" + std::to_string(count),
                         [=] {
                             Chain chain{.letter = 'W', .innermost = line(0, 0, 1000 * M_SQRT1_2, 1000 * M_SQRT1_2),
                                         .levels = 8,
                                         .degreesStep = 1, .offset = [](int) { return 1e-8; }};
                             return drawing(chainBlocks(chain), onOneSpot(chainTop(chain), count));
                         },
                         {{Ask::Window, "window_all", -1010, -1010, 1010, 1010, static_cast<size_t>(count)}}});
    }
}

constexpr double kScales[] = {1, 16, 256, 4096, 65536, 1048576};

// The point `offset` off a uniform cubic spline on the outer side of its
// bend, at t (0 to 1) into the span whose control points are p[span - 1]
// to p[span + 2].
Vertex offSpline(const std::vector<Vertex>& p, int span, double t, double offset) {
    const Vertex& a = p.at(span - 1);
    const Vertex& b = p.at(span);
    const Vertex& c = p.at(span + 1);
    const Vertex& d = p.at(span + 2);
    auto mix = [&](double wa, double wb, double wc, double wd, double scale) {
        return Vertex{(wa * a.x + wb * b.x + wc * c.x + wd * d.x) / scale,
                      (wa * a.y + wb * b.y + wc * c.y + wd * d.y) / scale};
    };
    const double u = 1 - t;
    Vertex at = mix(u * u * u, 3 * t * t * t - 6 * t * t + 4, -3 * t * t * t + 3 * t * t + 3 * t + 1, t * t * t, 6);
    Vertex along = mix(-u * u, 3 * t * t - 4 * t, -3 * t * t + 2 * t + 1, t * t, 2);
    Vertex bend = mix(u, 3 * t - 2, 1 - 3 * t, t, 1);
    const double length = std::hypot(along.x, along.y);
    double nx = -along.y / length, ny = along.x / length;
    if (nx * bend.x + ny * bend.y > 0) nx = -nx, ny = -ny;  // away from the centre of the bend
    return {at.x + offset * nx, at.y + offset * ny};
}

std::string atSixScales(const std::string& name) {
    std::string text;
    for (double scale : kScales) text += insert(name, {.scale = scale});
    return text;
}

// Huge curves: a block of circles of radius 1e6 10 apart and a block of a
// polyline of near-full bulges (42 = 1e9) of width 10, whose vertices
// alternate between 0,0 and 100000,0, each inserted at six scales from 1 to
// 2^20 (and once), and the same loops tapering from nothing to 1e6 wide in
// a block at six scales and in model space; a circle of radius 1e6 and a
// spline of 3,000 control points 250 apart picked 2.8 off their curves.
void addHugeCurves(std::vector<Case>& cases) {
    const double r = 1e6;
    auto circles = [=](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += circle(10.0 * i, 0, r);
        return block("C", text);
    };
    const std::vector<Ask> onCircles = {{Ask::Pick, "pick_on_circle", r, 0, kPickRadius, 0, 1},
                                        {Ask::Pick, "pick_inside", r / 2, 0, kPickRadius, 0, 0},
                                        {Ask::Pick, "pick_on_scaled_circle", 16 * r, 0, kPickRadius, 0, 1}};
    for (int count : {200, 6000})
        cases.push_back({"circles_1e6_" + std::to_string(count) + "_six_scales",
                         [=] { return drawing(circles(count), atSixScales("C")); }, onCircles});
    cases.push_back({"circles_1e6_6000_once", [=] { return drawing(circles(6000), insert("C")); },
                     {onCircles[0], onCircles[1]}});

    // The far point of the first bulge, 5e13 below the chord's middle.
    const double chord = 100000, bulge = 1e9, width = 10;
    const double sx = chord / 2, sy = -bulge * chord / 2;
    auto bulges = [=](int count) {
        std::vector<Vertex> vertices;
        for (int i = 0; i < count; ++i) vertices.push_back({i % 2 ? chord : 0, 0, bulge});
        return lwpolyline(vertices, width);
    };
    const std::vector<Ask> onBulges = {{Ask::Pick, "pick_on_arc", sx, sy, kPickRadius, 0, 1},
                                       {Ask::Pick, "pick_in_band", sx, sy + 4, 0.5, 0, 1},
                                       {Ask::Pick, "pick_inside_loop", sx, sy + 20, kPickRadius, 0, 0}};
    for (int count : {400, 2500})
        cases.push_back({"bulges_" + std::to_string(count) + "_six_scales",
                         [=] { return drawing(block("P", bulges(count)), atSixScales("P")); },
                         {onBulges[0], onBulges[1], onBulges[2],
                          {Ask::Pick, "pick_on_scaled_arc", 16 * sx, 16 * sy, kPickRadius, 0, 1}}});
    cases.push_back({"bulges_5000_model_space", [=] { return drawing("", bulges(5000)); }, onBulges});
    // The same loops tapering from nothing to 1e6 wide: each side one curve
    // however wide, large or far placed the band.
    auto tapered = [=](int count) {
        std::vector<Vertex> vertices;
        for (int i = 0; i < count; ++i) vertices.push_back({i % 2 ? chord : 0, 0, bulge, 0, 1e6});
        return lwpolyline(vertices, 0);
    };
    const std::vector<Ask> onTapered = {{Ask::Pick, "pick_on_arc", sx, sy, kPickRadius, 0, 1},
                                        {Ask::Pick, "pick_in_band", sx, sy + 2e5, 0.5, 0, 1},
                                        {Ask::Pick, "pick_inside_loop", sx, sy + 1e7, kPickRadius, 0, 0}};
    cases.push_back({"tapered_bulges_1000_six_scales",
                     [=] { return drawing(block("P", tapered(1000)), atSixScales("P") + tapered(1000)); }, onTapered});

    // Mid-way between two of 4096 chords a turn, and at 1 radian.
    const double mid = 201 * M_PI / 4096;
    cases.push_back({"circle_1e6_picks_near",
                     [=] { return drawing("", circle(0, 0, r)); },
                     {{Ask::Pick, "pick_2_8_outside", (r + 2.8) * std::cos(mid), (r + 2.8) * std::sin(mid), kPickRadius, 0, 1},
                      {Ask::Pick, "pick_2_8_outside_at_1_radian", (r + 2.8) * std::cos(1.0), (r + 2.8) * std::sin(1.0),
                       kPickRadius, 0, 1},
                      {Ask::Pick, "pick_3_2_outside", r + 3.2, 0, kPickRadius, 0, 0}}});

    // A cubic spline over 3,000 control points 250 apart along x, zigzagging
    // 250 high: picks 2.8 and 3.2 off the curve on its outer side, 1/16 and
    // 5/16 into spans of its middle (between the points of eight a span).
    const int controls = 3000;
    std::vector<Vertex> points;
    for (int i = 0; i < controls; ++i) points.push_back({250.0 * i, i % 2 ? 250.0 : 0});
    std::vector<Ask> nearSpline;
    for (int span : {1500, 1501}) {
        for (double t : {0.0625, 0.3125}) {
            const std::string at = "span_" + std::to_string(span) + "_at_" + std::to_string(static_cast<int>(t * 10000));
            for (double off : {2.8, 3.2}) {
                Vertex p = offSpline(points, span, t, off);
                nearSpline.push_back({Ask::Pick, "pick_" + std::string(off < 3 ? "2_8" : "3_2") + "_off_" + at, p.x,
                                      p.y, kPickRadius, 0, off < kPickRadius ? 1u : 0u});
            }
        }
    }
    cases.push_back({"spline_3000_picks_near", [=] { return drawing("", spline(3, points)); }, nearSpline});
}

// Work that multiplies beside work that does not, and single steps that
// could cost seconds.
void addMultiplyingWork(std::vector<Case>& cases) {
    const double R = kHuge;
    // K MINSERTs of 99 x 99 copies on one spot (28 bytes each) in one
    // block, beside N inserts of a cross nested 4 wide and 9 deep at
    // distinct places: the arrays stand for a copy each and must not widen
    // what each nest may spend once the selection's work is spent (the
    // arrays' block is inserted first and last, so that picks, which go
    // from the top, and crossings meet it before the nests).  A pick and a
    // crossing between the arms of every cross meet nothing; a pick on the
    // arrays' circle (radius 1 at R/4, R/3) takes their block.
    for (int arrays : {100, 1000}) {
        const int nests = 100;
        const double c = R / 2;
        cases.push_back({"arrays_99_beside_" + std::to_string(nests) + "_nests_" + std::to_string(arrays),
                         [=] {
                             std::string many;
                             for (int k = 0; k < arrays; ++k) many += insert("C", {.columns = 99, .rows = 99});
                             Chain nest{.letter = 'N', .innermost = cross(2 * R), .levels = 9, .copies = 4};
                             std::string nested;
                             for (int k = 0; k < nests; ++k) nested += insert(chainTop(nest), {.x = k * 1e-3});
                             return drawing(block("C", circle(R / 4, R / 3, 1)) + block("K", many) + chainBlocks(nest),
                                            insert("K") + nested + insert("K"));
                         },
                         {{Ask::Pick, "pick_between_arms", c, c, kPickRadius, 0, 0, 0, true},
                          {Ask::Crossing, "crossing_between_arms", c - 5, c - 5, c + 5, c + 5, 0, 0, true},
                          {Ask::Pick, "pick_on_arrays", R / 4 + 1, R / 3, kPickRadius, 0, 1}}});
    }
    // A MINSERT of 32767 x 16 copies 100 apart of a block holding a MINSERT
    // of 16 x 100 circles of radius 1, 1e-3 apart, inserted at scale 1e9:
    // every outer copy's inner array is in reach of a pick on the first
    // copy's circle (at 1 radian, between any chords of it), which must
    // take it at once; a pick far between the copies takes nothing.
    cases.push_back({"minsert_of_minsert_at_1e9",
                     [] {
                         const std::string inner =
                             insert("C", {.columns = 16, .rows = 100, .columnSpacing = 1e-3, .rowSpacing = 1e-3});
                         return drawing(block("C", circle(0, 0, 1)) + block("A", inner),
                                        insert("A", {.scale = 1e9, .columns = kMostCopies, .rows = 16,
                                                     .columnSpacing = 100, .rowSpacing = 100}));
                     },
                     {{Ask::Pick, "pick_on_circle", 1e9 * std::cos(1.0), 1e9 * std::sin(1.0), kPickRadius, 0, 1},
                      {Ask::Pick, "pick_on_circle_at_0", 1e9, 0, kPickRadius, 0, 1},
                      {Ask::Pick, "pick_between", 5e9, 5e9, kPickRadius, 0, 0, 0, true}}});
    // A block of 1,000 circles of radius 1e6, 1e-3 apart, in a MINSERT of
    // 100 x 100 copies 1 apart (54 KB): a pick on the circle of one copy,
    // where every copy is in reach, takes it; one step of the lattice must
    // not cut every circle of the block into thousands of chords at once.
    cases.push_back({"circles_1e6_1000_in_array",
                     [] {
                         std::string circles;
                         for (int k = 0; k < 1000; ++k) circles += circle(k * 1e-3, 0, 1e6);
                         return drawing(block("C", circles),
                                        insert("C", {.columns = 100, .rows = 100, .columnSpacing = 1,
                                                     .rowSpacing = 1}));
                     },
                     {{Ask::Pick, "pick_on_circle", 1e6 + 50.5, 0.5, kPickRadius, 0, 1},
                      {Ask::Crossing, "crossing_on_circle", 1e6 + 50, 0, 1e6 + 51, 1, 1}}});
    // A cubic spline whose control points alternate between (10, 1e6) and
    // (-10, -1e6) lies on the line through them, and every span's box holds
    // a pick 3.34 off it.  Its block placed ten times a level at offsets of
    // 1e-6 and less, five and six deep: the pick must never take it (it may
    // say it could not decide).
    for (int controls : {60, 1000}) {
        for (int levels : {5, 6}) {
            cases.push_back({"spline_" + std::to_string(controls) + "_spans_" + std::to_string(levels) + "_deep",
                             [=] {
                                 std::vector<Vertex> points;
                                 for (int i = 0; i < controls; ++i)
                                     points.push_back({i % 2 ? -10.0 : 10.0, i % 2 ? -1e6 : 1e6});
                                 Chain chain{.letter = 'S', .innermost = spline(3, points), .levels = levels,
                                             .offset = [](int level) { return std::pow(10.0, -6 - level); }};
                                 return drawing(chainBlocks(chain), insert(chainTop(chain)));
                             },
                             {{Ask::Pick, "pick_3_34_off", 3.34, 0, kPickRadius, 0, 0, 0, true}}});
        }
    }
}

// Shapes whose numbers overflow where they are asked: a thin polyline
// (0,0)-(1,0)-(1,1) whose bulges of 1e-300 make arcs of radius 1e299, in an
// insert at 1e9 (straight segments there); a cubic spline over 3,000
// control points alternating between y = 1e150 and -1e150, 1 apart along x,
// which crosses y = 0 within the pick box of 0,0 and never lies left of
// x = 0; a rational cubic whose second control point (1,2) weighs 1e300, in
// an insert at 2^60, which leaves (0,0) straight for (1,2) times 2^60;
// quadratics over (100,100), (50,0) and (-50,200) whose weights lie far
// apart at their ends (1e200, 1e197 and 1e-200; 6.3e298, 3.8e245 and
// 1.9e-254), which run along their control points' legs.
void addOverflows(std::vector<Case>& cases) {
    cases.push_back({"thin_bulges_1e-300_at_1e9",
                     [] {
                         return drawing(block("T", lwpolyline({{0, 0, 1e-300}, {1, 0, -1e-300}, {1, 1}}, 0)),
                                        insert("T", {.scale = 1e9}));
                     },
                     {{Ask::Pick, "pick_on_line", 0.5, 0, kPickRadius, 0, 1},
                      {Ask::Pick, "pick_beside_line", 5e8, 5, kPickRadius, 0, 0},
                      {Ask::Crossing, "crossing_over_line", 4e8, -1, 4e8 + 1, 1, 1},
                      {Ask::Crossing, "crossing_beside_line", 4e8, 4, 4e8 + 1, 5, 0}}});
    cases.push_back({"spline_3000_swinging_1e150",
                     [] {
                         std::vector<Vertex> points;
                         for (int i = 0; i < 3000; ++i)
                             points.push_back({static_cast<double>(i), i % 2 ? -1e150 : 1e150});
                         return drawing("", spline(3, points));
                     },
                     {{Ask::Pick, "pick_on_curve", 0, 0, kPickRadius, 0, 1},
                      {Ask::Pick, "pick_left_of_curve", -5, 0, kPickRadius, 0, 0}}});
    const double x = std::ldexp(1.0, 46), y = 2 * x;
    cases.push_back({"rational_weights_1e300_at_2_60",
                     [] {
                         return drawing(block("R", spline(3, {{0, 0}, {1, 2}, {2, -1}, {3, 1}, {4, 0}},
                                                          {1, 1e300, 1, 1e150, 1})),
                                        insert("R", {.scale = std::ldexp(1.0, 60)}));
                     },
                     {{Ask::Pick, "pick_on_curve", x, y, kPickRadius, 0, 1},
                      {Ask::Pick, "pick_beside_curve", x + 6, y, kPickRadius, 0, 0},
                      {Ask::Crossing, "crossing_over_curve", x - 100, y + 100, x + 100, y + 200, 1},
                      {Ask::Crossing, "crossing_beside_curve", x - 100, y - 400, x + 100, y - 300, 0}}});
    for (auto [name, weights] : {std::pair{"rational_weights_1e200_to_1e-200", std::vector<double>{1e200, 1e197, 1e-200}},
                                 {"rational_weights_6e298_to_2e-254", {6.3e298, 3.8e245, 1.9e-254}}}) {
        cases.push_back({name,
                         [weights] { return drawing("", spline(2, {{100, 100}, {50, 0}, {-50, 200}}, weights)); },
                         {{Ask::Pick, "pick_corner", 50, 0, kPickRadius, 0, 1},
                          {Ask::Pick, "pick_first_leg", 75, 50, kPickRadius, 0, 1},
                          {Ask::Pick, "pick_second_leg", 0, 100, kPickRadius, 0, 1},
                          {Ask::Pick, "pick_beyond_corner", 50, -4, kPickRadius, 0, 0},
                          {Ask::Window, "window_above_corner", -60, 5, 110, 210, 0},
                          {Ask::Window, "window_all", -60, -1, 110, 210, 1}}});
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<Case> cases;
    addArrays(cases);
    addNesting(cases);
    addCopiesOnOneSpot(cases);
    addHugeCurves(cases);
    addMultiplyingWork(cases);
    addOverflows(cases);
    // An MTEXT of 80,000 stacks; a pick far from it.
    cases.push_back({"mtext_stacks", [] { return stacks(80000); }, {{Ask::Pick, "pick_far", 1e6, 1e6, 3, 0, 0}}});
    return runCases(argc, argv, cases);
}
