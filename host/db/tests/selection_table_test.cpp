// What a pick, a window and a crossing take of each kind of entity the host
// draws, whole and in part, flat (+Z), turned over (-Z) and tilted (an
// arbitrary extrusion).  Each row draws one entity; its probes are where it
// is drawn with +Z.  With another extrusion the probes go where the row's
// points go: unmoved for world coordinates, by the arbitrary axis algorithm
// for object coordinates (about the entity's own point for a text plane),
// and an ellipse's or a plane's minor axis turns with the extrusion.  The
// place the file's numbers name before that takes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <functional>
#include <string>

#include "db/drawn_shapes.h"
#include "db/entity_shapes.h"
#include "db/geometry.h"
#include "test_blocks.h"
#include "db/sub_entities.h"

using namespace host::db;

namespace {

struct At {
    double x, y;
};
struct Box {
    double x1, y1, x2, y2;
};
// Where a row's points go with an extrusion: nowhere (world coordinates);
// by the arbitrary axis algorithm (object coordinates at the row's z); the
// same about the row's origin (a text plane whose 10 is in the world); the
// y (the x) about the origin scaled by the extrusion's z (an ellipse's minor
// axis, a text plane whose x runs along world y).
enum class In { World, Object, Plane, ScaleX, ScaleY };

class Drawing {
public:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot add(Slot block, const char* type, GroupList groups) {
        return test_drawing::addEntity(*db, block, type, std::move(groups));
    }
    Slot add(const char* type, GroupList groups) { return add(db->modelSpace(), type, std::move(groups)); }
    // A sub-entity right after its main entity, owned by it.
    void sub(Slot main, const char* type, GroupList groups) {
        Slot s = add(type, std::move(groups));
        db->object(s)->owner = db->object(main)->handle;
    }
    Slot block(const char* name) {
        return test_drawing::addBlock(*db, name);
    }
};

// Groups with the extrusion appended.
GroupList with(GroupList groups, const Group& extrusion) {
    groups.push_back(extrusion);
    return groups;
}

// An insert of a block holding the line 0,0 - 100,0 at 1000,0, with the
// attribute "AB" (height 10) at 1000,20: visible or not.
Slot insertWithAttribute(Drawing& d, const Group& z, bool visible) {
    Slot b = d.block("B");
    d.add(b, "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 100, 0, 0)});
    Slot insert = d.add("INSERT", with({Group::integer(66, 1), Group::text(2, "B"), Group::point(10, 1000, 0, 0)}, z));
    d.sub(insert, "ATTRIB",
          with({Group::point(10, 1000, 20, 0), Group::real(40, 10), Group::text(1, "AB"), Group::text(2, "TAG"),
                Group::integer(70, visible ? 0 : 1)},
               z));
    d.sub(insert, "SEQEND", {});
    return insert;
}

// A closed path 1000,0 - 1100,0 - (half circle out to x 1150) - 1100,100 -
// back to 1000,0.
const At kPath[] = {{1000, 0}, {1100, 0}, {1100, 100}};
const double kPathBulges[] = {0, 1, 0};

// A HATCH at elevation `z` of the paths in `paths` (each begun by its 92),
// of the style (75), solid or of a pattern of one line, with one seed point.
Slot hatch(Drawing& d, const Group& extrusion, double z, int count, const GroupList& paths, int style = 0,
           bool solid = true) {
    GroupList g = {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, z),   extrusion,
                   Group::text(2, solid ? "SOLID" : "ANSI31"), Group::integer(70, solid), Group::integer(71, 0),
                   Group::integer(91, count)};
    g.insert(g.end(), paths.begin(), paths.end());
    g.push_back(Group::integer(75, style));
    g.push_back(Group::integer(76, 1));
    if (!solid) {
        for (const Group& line : {Group::real(52, 0), Group::real(41, 1), Group::integer(77, 0), Group::integer(78, 1),
                                  Group::real(53, 45), Group::real(43, 0), Group::real(44, 0), Group::real(45, -2.2),
                                  Group::real(46, 2.2), Group::integer(79, 0)})
            g.push_back(line);
    }
    g.push_back(Group::integer(98, 1));
    g.push_back(Group::point(10, 0, 0, 0));
    return d.add("HATCH", std::move(g));
}

// A closed polyline path through the corners, of the flags (92).
void polylinePath(GroupList& g, std::initializer_list<At> corners, int flags = 3) {
    for (const Group& head : {Group::integer(92, flags), Group::integer(72, 0), Group::integer(73, 1),
                              Group::integer(93, static_cast<int64_t>(corners.size()))})
        g.push_back(head);
    for (At c : corners) g.push_back(Group::point(10, c.x, c.y, 0));
    g.push_back(Group::integer(97, 0));
}

void lineEdge(GroupList& g, At a, At b) {
    for (const Group& e : {Group::integer(72, 1), Group::point(10, a.x, a.y, 0), Group::point(11, b.x, b.y, 0)})
        g.push_back(e);
}

// The quadratic B-spline with one span over the control points, weights 1 2 1.
void splineGroups(GroupList& g, int pointCode, int weightCode, At p0, At p1, At p2) {
    for (double k : {0, 0, 0, 1, 1, 1}) g.push_back(Group::real(40, k));
    for (At p : {p0, p1, p2}) g.push_back(Group::point(pointCode, p.x, p.y, 0));
    for (double w : {1, 2, 1}) g.push_back(Group::real(weightCode, w));
}

// A clamped cubic SPLINE over the control points (uniform inner knots),
// rational when weights are given.
Slot cubicSpline(Drawing& d, const std::vector<At>& control, const std::vector<double>& weights = {}) {
    GroupList g = {Group::integer(71, 3)};
    int spans = static_cast<int>(control.size()) - 3;
    for (int k = -3; k <= spans + 3; ++k) g.push_back(Group::real(40, std::clamp(k, 0, spans)));
    for (At p : control) g.push_back(Group::point(10, p.x, p.y, 0));
    for (double w : weights) g.push_back(Group::real(41, w));
    return d.add("SPLINE", std::move(g));
}

// The groups of a spline through fit points (11), with the end tangents
// 12 and 13 when given.
GroupList fitGroups(const std::vector<At>& fit, const std::vector<At>& tangents) {
    GroupList g;
    for (size_t i = 0; i < tangents.size(); ++i) g.push_back(Group::point(12 + static_cast<int>(i), tangents[i].x, tangents[i].y, 0));
    for (At p : fit) g.push_back(Group::point(11, p.x, p.y, 0));
    return g;
}

// A TEXT "ABCDE" of height 10 at 1000,0 with the given alignment groups.
Slot textAt(Drawing& d, const Group& extrusion, GroupList more) {
    GroupList g = {Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::text(1, "ABCDE")};
    g.insert(g.end(), more.begin(), more.end());
    return d.add("TEXT", with(std::move(g), extrusion));
}

// A polyline's sub-entity VERTEX with flags and more groups.
void vertex(Drawing& d, Slot polyline, At p, int flags, GroupList more = {}) {
    GroupList g = {Group::point(10, p.x, p.y, 0), Group::integer(70, flags)};
    g.insert(g.end(), more.begin(), more.end());
    d.sub(polyline, "VERTEX", std::move(g));
}

struct Row {
    const char* name;
    In in;  // where another extrusion draws it
    std::function<Slot(Drawing&, const Group& extrusion)> make;
    std::vector<At> on, off;  // a pick takes it / takes nothing
    Box whole;                // a window takes it
    std::vector<Box> parts;   // hold part of it: a window takes nothing, a crossing takes it
    std::vector<Box> away;    // meet nothing of it: a crossing takes nothing
    double z = 0;             // In::Object: the object z of its points
    At origin{0, 0};          // In::Plane, ScaleX, ScaleY: the point its plane turns about
    bool held = true;         // a window can hold all of it (a ray or construction line: never)
};

const std::vector<Row>& rows() {
    static const std::vector<Row> table = {
        {"LINE (world coordinates)", In::World,
         [](Drawing& d, const Group& z) {
             return d.add("LINE", with({Group::point(10, 1000, 0, 0), Group::point(11, 1200, 0, 0)}, z));
         },
         {{1100, 0}}, {{1100, 50}}, {990, -10, 1210, 10}, {{990, -10, 1100, 10}}, {{1000, 20, 1200, 30}}},
        {"CIRCLE", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("CIRCLE", with({Group::point(10, 1000, 0, 0), Group::real(40, 100)}, z));
         },
         {{1100, 0}, {1000, 100}}, {{1000, 0}}, {890, -110, 1110, 110}, {{1050, -110, 1110, 110}},
         {{980, -20, 1020, 20}}},
        {"ARC 0 to 90 degrees", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("ARC", with({Group::point(10, 1000, 0, 0), Group::real(40, 100), Group::real(50, 0),
                                       Group::real(51, 90)},
                                      z));
         },
         {{1070.71, 70.71}}, {{1000, 0}, {929.29, -70.71}}, {990, -10, 1110, 110}, {{1050, -10, 1110, 110}},
         {{880, -110, 950, -50}}},
        {"ELLIPSE quarter", In::ScaleY,
         [](Drawing& d, const Group& z) {
             return d.add("ELLIPSE", with({Group::point(10, 1000, 0, 0), Group::point(11, 100, 0, 0),
                                           Group::real(40, 0.5), Group::real(41, 0), Group::real(42, M_PI / 2)},
                                          z));
         },
         {{1070.71, 35.36}}, {{1000, 0}}, {990, -10, 1110, 60}, {{1050, -10, 1110, 60}}, {{880, -60, 950, -10}}},
        {"TEXT", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("TEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::text(1, "ABCDE")}, z));
         },
         {{1025, 5}}, {{1025, 30}}, {990, -5, 1060, 15}, {{990, -5, 1025, 15}}, {{1000, 20, 1050, 30}}},
        {"SOLID", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("SOLID", with({Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                         Group::point(12, 1000, 50, 0), Group::point(13, 1100, 50, 0)},
                                        z));
         },
         {{1050, 25}}, {{1050, 80}}, {990, -10, 1110, 60}, {{990, -10, 1050, 60}, {1040, 20, 1060, 30}},
         {{1000, 70, 1100, 80}}},
        {"TRACE", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("TRACE", with({Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                         Group::point(12, 1000, 50, 0), Group::point(13, 1100, 50, 0)},
                                        z));
         },
         {{1050, 0}}, {{1050, 80}}, {990, -10, 1110, 60}, {{990, -10, 1050, 60}}, {{1000, 70, 1100, 80}}},
        {"HATCH of four line edges", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::text(100, "AcDbHatch"), Group::point(10, 0, 0, 0), z, Group::text(2, "SOLID"),
                            Group::integer(70, 1), Group::integer(71, 0), Group::integer(91, 1), Group::integer(92, 1),
                            Group::integer(93, 4)};
             const At corners[] = {{1000, 0}, {1100, 0}, {1100, 50}, {1000, 50}};
             for (int i = 0; i < 4; ++i) {
                 g.push_back(Group::integer(72, 1));
                 g.push_back(Group::point(10, corners[i].x, corners[i].y, 0));
                 g.push_back(Group::point(11, corners[(i + 1) % 4].x, corners[(i + 1) % 4].y, 0));
             }
             for (const Group& tail : {Group::integer(97, 0), Group::integer(75, 0), Group::integer(76, 1),
                                       Group::integer(98, 1), Group::point(10, 1050, 25, 0)})
                 g.push_back(tail);
             return d.add("HATCH", std::move(g));
         },
         {{1050, 25}}, {{1050, 80}}, {990, -10, 1110, 60}, {{990, -10, 1050, 60}}, {{1000, 70, 1100, 80}}},
        {"INSERT with a visible ATTRIB", In::Object,
         [](Drawing& d, const Group& z) { return insertWithAttribute(d, z, true); },
         {{1050, 0}, {1010, 25}}, {{1050, 50}}, {990, -10, 1110, 40},
         {{990, -10, 1110, 10}, {995, 15, 1025, 35}}, {{1000, 45, 1100, 60}}},
        {"INSERT with an invisible ATTRIB", In::Object,
         [](Drawing& d, const Group& z) { return insertWithAttribute(d, z, false); },
         {{1050, 0}}, {{1010, 25}, {1050, 50}}, {990, -10, 1110, 10}, {{990, -10, 1050, 10}},
         {{995, 15, 1025, 35}}},
        {"INSERT of a block holding an INSERT turned over", In::Object,
         [](Drawing& d, const Group& z) {
             d.add(d.block("INNER"), "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 50, 0, 0)});
             // At 100,0 of OUTER with -Z: the line runs from -100 to -150 there.
             d.add(d.block("OUTER"), "INSERT",
                   {Group::text(2, "INNER"), Group::point(10, 100, 0, 0), Group::point(210, 0, 0, -1)});
             return d.add("INSERT", with({Group::text(2, "OUTER"), Group::point(10, 1000, 0, 0)}, z));
         },
         {{875, 0}}, {{1125, 0}}, {840, -10, 910, 10}, {{840, -10, 875, 10}}, {{1090, -10, 1160, 10}}},
        {"POLYLINE 2D, closed, with a bulge", In::Object,
         [](Drawing& d, const Group& z) {
             Slot p = d.add("POLYLINE", with({Group::integer(66, 1), Group::point(10, 0, 0, 5), Group::integer(70, 1)}, z));
             for (int i = 0; i < 3; ++i)
                 d.sub(p, "VERTEX", {Group::point(10, kPath[i].x, kPath[i].y, 0), Group::real(42, kPathBulges[i])});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1150, 50}, {1050, 50}}, {{1000, 100}, {0, 0}}, {990, -10, 1160, 110},
         {{990, -10, 1010, 10}, {990, -10, 1120, 110}, {1140, 40, 1160, 60}}, {{-10, -10, 10, 10}}, 5},
        {"POLYLINE 3D with a spline frame point", In::World,
         [](Drawing& d, const Group& z) {
             Slot p = d.add("POLYLINE", with({Group::integer(66, 1), Group::point(10, 0, 0, 0), Group::integer(70, 8)}, z));
             d.sub(p, "VERTEX", {Group::point(10, 1000, 0, 5), Group::integer(70, 32)});
             d.sub(p, "VERTEX", {Group::point(10, 5000, 5000, 0), Group::integer(70, 16 + 32)});  // not drawn
             d.sub(p, "VERTEX", {Group::point(10, 1100, 0, 10), Group::integer(70, 32)});
             d.sub(p, "VERTEX", {Group::point(10, 1100, 100, 0), Group::integer(70, 32)});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1100, 50}}, {{1050, 50}, {0, 0}}, {990, -10, 1110, 110}, {{990, -10, 1010, 10}, {1090, 40, 1110, 60}},
         {{-10, -10, 10, 10}, {4990, 4990, 5010, 5010}}},
        {"LWPOLYLINE closed, with a bulge", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::integer(90, 3), Group::integer(70, 1), Group::real(38, 5)};
             for (int i = 0; i < 3; ++i) {
                 g.push_back(Group::point(10, kPath[i].x, kPath[i].y, 0));
                 g.push_back(Group::real(42, kPathBulges[i]));
             }
             return d.add("LWPOLYLINE", with(std::move(g), z));
         },
         {{1150, 50}, {1050, 50}}, {{1000, 100}}, {990, -10, 1160, 110},
         {{990, -10, 1010, 10}, {990, -10, 1120, 110}, {1140, 40, 1160, 60}}, {{1000, 90, 1010, 100}}, 5},
        {"DIMENSION by its block", In::World,
         [](Drawing& d, const Group& z) {
             d.add(d.block("*D1"), "LINE", {Group::point(10, 1000, -5, 0), Group::point(11, 1200, -5, 0)});
             return d.add("DIMENSION",
                          with({Group::text(2, "*D1"), Group::point(10, 1000, 0, 0), Group::point(11, 1100, -3, 0)}, z));
         },
         {{1100, -5}}, {{1100, 20}}, {990, -10, 1210, 0}, {{990, -10, 1100, 0}}, {{1000, 10, 1200, 20}}},
        {"LEADER", In::World,
         [](Drawing& d, const Group& z) {
             return d.add("LEADER", with({Group::point(10, 1000, 0, 0), Group::point(10, 1100, 50, 0)}, z));
         },
         {{1050, 25}}, {{1050, 0}}, {990, -10, 1110, 60}, {{990, -10, 1050, 30}}, {{1060, 0, 1100, 20}}},
        {"RAY from 1000,0 along +x", In::World,
         [](Drawing& d, const Group&) {
             return d.add("RAY", {Group::point(10, 1000, 0, 0), Group::point(11, 1, 0, 0)});
         },
         {{1500, 0}, {1e6, 0}}, {{900, 0}, {500, 0}, {1, 0}, {1500, 50}}, {-10, -10, 1210, 10},
         {{1400, -10, 1600, 10}, {1e8, -1, 1e8 + 10, 1}}, {{-10, -10, 990, 10}, {1000, 10, 2000, 20}}, 0, {0, 0},
         false},
        {"XLINE through 1000,0 along 0.6,0.8", In::World,
         [](Drawing& d, const Group&) {
             return d.add("XLINE", {Group::point(10, 1000, 0, 0), Group::point(11, 0.6, 0.8, 0)});
         },
         {{700, -400}, {1300, 400}, {1000, 0}}, {{1000, 100}, {500, 0.4}}, {-10, -10, 1010, 10},
         {{1290, 390, 1310, 410}, {-2010, -4010, -1990, -3990}}, {{1100, -100, 1200, 0}, {-10, -10, 10, 10}}, 0,
         {0, 0}, false},
        {"MTEXT of two lines, top left, turned by 50 about the extrusion", In::Plane,
         [](Drawing& d, const Group& z) {
             // 10 is in the world: the box runs from it along the text's x,
             // turned by 50 in degrees, as files hold it.
             return d.add("MTEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::integer(71, 1),
                                         Group::text(1, "{\\fArial|b0;AB}CDE\\PAB"), Group::real(50, 90)},
                                        z));
         },
         // The box: along y from 1000,0 for 5 characters, 10 + 5/3 * 10 down (to -x).
         {{1010, 25}, {1020, 45}}, {{1010, 70}, {1040, 25}, {985, 25}}, {990, -10, 1035, 60},
         {{990, -10, 1035, 25}, {1005, 20, 1015, 30}}, {{990, 55, 1035, 70}, {1030, 0, 1040, 50}}, 0, {1000, 0}},
        {"MTEXT bottom left along 11 in a column of width 35", In::ScaleX,
         [](Drawing& d, const Group& z) {
             // Each paragraph breaks at its space: 4 lines, 10 + 3 * 5/3 * 10 = 60 high.
             return d.add("MTEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::real(41, 35),
                                         Group::integer(71, 7), Group::point(11, 0, 2, 0), Group::text(3, "ABC "),
                                         Group::text(1, "DE\\PAB CDE")},
                                        z));
         },
         // Along +y 35 long; 60 across, the text's up being -x with +Z.
         {{1000, 0}, {950, 20}, {990, 5}}, {{1010, 10}, {970, 40}}, {930, -10, 1010, 40},
         {{930, -10, 970, 40}, {960, 10, 970, 20}}, {{1005, 0, 1020, 30}, {930, 38, 1010, 45}}, 0, {1000, 0}},
        {"MTEXT of one long word in a narrow column, middle right", In::Plane,
         [](Drawing& d, const Group& z) {
             // The word stays whole: 80 wide, one line 10 high, left of 1000,0 and centred on it.
             return d.add("MTEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::real(41, 20),
                                         Group::integer(71, 6), Group::text(1, "\\H2x;\\LABCD\\lEFGH")},
                                        z));
         },
         {{930, 0}, {995, 4}}, {{915, 0}, {960, 10}}, {915, -10, 1005, 10}, {{915, -10, 960, 10}},
         {{1005, -10, 1020, 10}, {930, 7, 990, 12}}, 0, {1000, 0}},
        {"TEXT aligned between 1000,0 and 1100,0", In::Object,
         [](Drawing& d, const Group& z) {
             return textAt(d, z, {Group::point(11, 1100, 0, 0), Group::integer(72, 3)});
         },
         // Five characters over 100: twice the height, 20.
         {{1050, 15}, {1095, 5}}, {{1050, 25}, {1125, 5}}, {990, -5, 1110, 25}, {{990, -5, 1050, 25}, {1040, 12, 1060, 18}},
         {{1110, 0, 1160, 10}, {1000, 22, 1100, 30}}},
        {"TEXT fit between 1000,0 and 1100,0", In::Object,
         [](Drawing& d, const Group& z) {
             return textAt(d, z, {Group::point(11, 1100, 0, 0), Group::integer(72, 5)});
         },
         {{1090, 5}}, {{1050, 15}, {1125, 5}}, {990, -5, 1110, 15}, {{990, -5, 1050, 15}, {1085, 2, 1095, 8}},
         {{1000, 12, 1100, 20}, {1110, 0, 1160, 10}}},
        {"TEXT backward", In::Object,
         [](Drawing& d, const Group& z) { return textAt(d, z, {Group::integer(71, 2)}); },
         {{975, 5}}, {{1025, 5}}, {940, -5, 1010, 15}, {{940, -5, 975, 15}}, {{1010, 0, 1060, 10}}},
        {"TEXT upside down, centred", In::Object,
         [](Drawing& d, const Group& z) {
             return textAt(d, z, {Group::integer(71, 4), Group::integer(72, 1), Group::point(11, 1000, 0, 0)});
         },
         {{1020, -5}}, {{1020, 5}}, {970, -15, 1030, 5}, {{970, -15, 1000, 5}}, {{975, 2, 1025, 12}}},
        {"INSERT with an ATTRIB centred at its top (74)", In::Object,
         [](Drawing& d, const Group& z) {
             d.add(d.block("B"), "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 100, 0, 0)});
             Slot insert =
                 d.add("INSERT", with({Group::integer(66, 1), Group::text(2, "B"), Group::point(10, 1000, 0, 0)}, z));
             // 73 is the field length of an attribute, not its alignment.
             d.sub(insert, "ATTRIB",
                   with({Group::point(10, 990, 20, 0), Group::real(40, 10), Group::text(1, "AB"), Group::text(2, "TAG"),
                         Group::integer(70, 0), Group::integer(73, 0), Group::integer(72, 1),
                         Group::point(11, 1000, 20, 0), Group::integer(74, 3)},
                        z));
             d.sub(insert, "SEQEND", {});
             return insert;
         },
         {{1050, 0}, {1005, 12}}, {{1005, 25}, {1050, 50}}, {980, -10, 1110, 25}, {{990, -10, 1110, 5}, {1000, 10, 1008, 14}},
         {{985, 22, 1015, 35}}},
        {"SPLINE, rational, with tangents", In::World,
         [](Drawing& d, const Group&) {
             GroupList g = {Group::integer(70, 4), Group::integer(71, 2), Group::integer(72, 6), Group::integer(73, 3),
                            Group::point(12, 5000, 5000, 0), Group::point(13, -5000, 5000, 0)};
             splineGroups(g, 10, 41, {1000, 0}, {1100, 100}, {1200, 0});
             return d.add("SPLINE", std::move(g));
         },
         // Weights 1 2 1: the middle at 1100,66.67; a quarter in at 1063.64,54.55.
         {{1100, 66.667}, {1063.636, 54.545}, {1000, 0}, {1200, 0}}, {{1100, 100}, {1100, 30}, {5000, 5000}},
         {990, -10, 1210, 75}, {{990, -10, 1050, 75}, {1090, 60, 1110, 75}},
         {{1090, 90, 1110, 110}, {1080, 10, 1120, 40}, {4990, 4990, 5010, 5010}}},
        {"SPLINE through fit points, with end tangents", In::World,
         [](Drawing& d, const Group&) {
             return d.add("SPLINE", {Group::integer(70, 8), Group::integer(71, 3), Group::integer(74, 3),
                                     Group::point(12, 1, 1, 0), Group::point(13, 1, -1, 0),
                                     Group::point(11, 1000, 0, 0), Group::point(11, 1100, 50, 0),
                                     Group::point(11, 1200, 0, 0)});
         },
         {{1000, 0}, {1100, 50}, {1200, 0}}, {{1100, 20}, {1, 1}}, {990, -10, 1210, 70}, {{990, -10, 1050, 70}},
         {{1080, 0, 1120, 30}, {-10, -10, 10, 10}}},
        {"SPLINE of degree 5 over 3 control points: its control polygon", In::World,
         [](Drawing& d, const Group&) {
             GroupList g = {Group::integer(71, 5)};
             splineGroups(g, 10, 41, {1000, 0}, {1100, 100}, {1200, 0});
             return d.add("SPLINE", std::move(g));
         },
         {{1050, 50}, {1100, 100}}, {{1100, 50}}, {990, -10, 1210, 110}, {{990, -10, 1050, 110}},
         {{1080, 10, 1120, 40}}},
        // Curves of any size, each where a chord of 1/64 turn or 1/8 knot span
        // would stray more than the pick from it: probes on the curve there
        // (taken) and on that chord (not), and crossings round each.
        {"CIRCLE of radius 5000, between its 1/64 turn points", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("CIRCLE", with({Group::point(10, 1000, 0, 0), Group::real(40, 5000)}, z));
         },
         {{5993.977, 245.338}, {1000, 5000}}, {{5987.962, 245.043}}, {-4010, -5010, 6010, 5010},
         {{5993.5, 244.8, 5994.5, 245.8}}, {{5987.5, 244.5, 5988.5, 245.5}}},
        {"ARC of radius 10000 over 3 degrees", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("ARC", with({Group::point(10, 1000, 0, 0), Group::real(40, 10000), Group::real(50, 1),
                                       Group::real(51, 4)},
                                      z));
         },
         {{10990.482, 436.194}}, {{10987.059, 436.044}}, {10970, 170, 11010, 710}, {{10990, 435.7, 10991, 436.7}},
         {{10986.5, 435.5, 10987.5, 436.5}}},
        {"ELLIPSE quarter, 5000 by 2500", In::ScaleY,
         [](Drawing& d, const Group& z) {
             return d.add("ELLIPSE", with({Group::point(10, 1000, 0, 0), Group::point(11, 5000, 0, 0),
                                           Group::real(40, 0.5), Group::real(41, 0), Group::real(42, M_PI / 2)},
                                          z));
         },
         {{5993.977, 122.669}}, {{5987.962, 122.521}}, {990, -10, 6010, 2510}, {{5993.5, 122.2, 5994.5, 123.2}},
         {{5987.5, 122, 5988.5, 123}}},
        {"LWPOLYLINE with a bulge of radius 5000", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("LWPOLYLINE", with({Group::integer(90, 2), Group::point(10, 1000, 0, 0), Group::real(42, 1),
                                              Group::point(10, 11000, 0, 0)},
                                             z));
         },
         {{1006.023, -245.338}}, {{1012.038, -245.043}}, {990, -5010, 11010, 10}, {{1005.5, -245.8, 1006.5, -244.8}},
         {{1011.5, -245.5, 1012.5, -244.5}}},
        {"HATCH of a half disc of radius 5000", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::integer(92, 1), Group::integer(93, 2)};
             lineEdge(g, {6000, 0}, {-4000, 0});
             for (const Group& e : {Group::integer(72, 2), Group::point(10, 1000, 0, 0), Group::real(40, 5000),
                                    Group::real(50, 180), Group::real(51, 360), Group::integer(73, 1),
                                    Group::integer(97, 0)})
                 g.push_back(e);
             return hatch(d, z, 0, 1, g);
         },
         {{5993.977, -245.338}, {5000, -1000}}, {{5995.975, -245.437}}, {-4010, -5010, 6010, 10},
         {{5993.5, -245.8, 5994.5, -244.8}}, {{5996, -246, 5997, -245}}},
        {"SPLINE of one span 1000 across", In::World,
         [](Drawing& d, const Group&) { return cubicSpline(d, {{1000, 0}, {1000, 1000}, {2000, 1000}, {2000, 0}}); },
         {{1406.738, 738.281}, {1500, 750}}, {{1409.637, 726.929}}, {990, -10, 2010, 760},
         {{1406.2, 737.8, 1407.2, 738.8}}, {{1409.1, 726.4, 1410.1, 727.4}}},
        {"SPLINE of one span 200 across", In::World,
         [](Drawing& d, const Group&) { return cubicSpline(d, {{1000, 0}, {1000, 200}, {1200, 200}, {1200, 0}}); },
         {{1081.348, 147.656}}, {{1081.927, 145.386}}, {990, -10, 1210, 160}, {{1081.1, 147.4, 1081.6, 147.9}},
         {{1081.7, 145.1, 1082.2, 145.6}}},
        {"SPLINE, rational, weights 0.5 3 8 3 0.5", In::World,
         [](Drawing& d, const Group&) {
             return cubicSpline(d, {{1000, 0}, {1100, 200}, {1200, 0}, {1300, 200}, {1400, 0}}, {0.5, 3, 8, 3, 0.5});
         },
         {{1349.239, 90.260}, {1400, 0}}, {{1341.585, 85.000}}, {990, -10, 1410, 140}, {{1348.7, 89.8, 1349.7, 90.8}},
         {{1341.1, 84.5, 1342.1, 85.5}}},
        {"SPLINE through 3 fit points 450 across, with end tangents", In::World,
         [](Drawing& d, const Group&) {
             return d.add("SPLINE", fitGroups({{1000, 0}, {1225, 100}, {1450, 0}}, {{1, 1}, {1, -1}}));
         },
         {{1077.275, 58.622}, {1225, 100}}, {{1083.426, 47.754}}, {990, -10, 1460, 110},
         {{1076.8, 58.1, 1077.8, 59.1}}, {{1082.9, 47.3, 1083.9, 48.3}}},
        {"SPLINE through 4 uneven fit points 110 across, with end tangents", In::World,
         [](Drawing& d, const Group&) {
             return d.add("SPLINE", fitGroups({{1000, 0}, {1010, 20}, {1030, 25}, {1110, 0}}, {{0, 1}, {1, -1}}));
         },
         {{1078.173, 18.943}}, {{1075.669, 11.354}}, {990, -10, 1120, 35}, {{1077.7, 18.5, 1078.7, 19.5}},
         {{1075.2, 10.9, 1076.2, 11.9}}},
        {"SPLINE through 5 fit points without tangents", In::World,
         [](Drawing& d, const Group&) {
             return d.add("SPLINE", fitGroups({{1000, 0}, {1100, 60}, {1180, -20}, {1300, 40}, {1420, 0}}, {}));
         },
         {{1361.218, 34.991}}, {{1358.222, 27.421}}, {990, -32, 1430, 72}, {{1360.7, 34.5, 1361.7, 35.5}},
         {{1357.7, 26.9, 1358.7, 27.9}}},
        {"HATCH of a spline edge through fit points, with end tangents, and a line", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::integer(92, 1), Group::integer(93, 2), Group::integer(72, 4), Group::integer(94, 3),
                            Group::integer(73, 0), Group::integer(74, 0), Group::integer(95, 0), Group::integer(96, 0),
                            Group::integer(97, 3)};
             GroupList fit = fitGroups({{1000, 0}, {1225, 100}, {1450, 0}}, {});
             g.insert(g.end(), fit.begin(), fit.end());
             for (const Group& t : {Group::point(12, 1, 1, 0), Group::point(13, 1, -1, 0)}) g.push_back(t);
             lineEdge(g, {1450, 0}, {1000, 0});
             g.push_back(Group::integer(97, 0));
             return hatch(d, z, 0, 1, g);
         },
         {{1077.275, 58.622}, {1200, 50}}, {{1075.797, 61.233}}, {990, -10, 1460, 110},
         {{1076.8, 58.1, 1077.8, 59.1}}, {{1074.8, 61.6, 1075.8, 62.6}}},
        {"SPLINE of degree 1 with knots from -1e308 to 1e308", In::World,
         [](Drawing& d, const Group&) {
             return d.add("SPLINE", {Group::integer(71, 1), Group::real(40, -1e308), Group::real(40, -1e308),
                                     Group::real(40, 1e308), Group::real(40, 1e308), Group::point(10, 1000, 0, 0),
                                     Group::point(10, 1010, 0, 0)});
         },
         {{1005, 0}}, {{1005, 5}}, {990, -10, 1020, 10}, {{1008, -1, 1012, 1}}, {{990, 2, 1020, 4}}},
        // A far angle is brought within a turn in degrees: 1e20 is 280.
        {"ARC from 1e20 degrees to 90", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("ARC", with({Group::point(10, 1000, 0, 0), Group::real(40, 100), Group::real(50, 1e20),
                                       Group::real(51, 90)},
                                      z));
         },
         {{1050, -86.603}, {1100, 0}, {1000, 100}}, {{900, 0}, {1000, -100}}, {990, -110, 1110, 110},
         {{1090, -10, 1110, 10}}, {{890, -10, 910, 10}, {995, -110, 1005, -100}}},
        {"ARC from 90 degrees to 1e20", In::Object,
         [](Drawing& d, const Group& z) {
             return d.add("ARC", with({Group::point(10, 1000, 0, 0), Group::real(40, 100), Group::real(50, 90),
                                       Group::real(51, 1e20)},
                                      z));
         },
         {{900, 0}, {1000, -100}, {1017.365, -98.481}}, {{1100, 0}, {1050, -86.603}}, {890, -110, 1030, 110},
         {{890, -10, 910, 10}}, {{1090, -10, 1110, 10}, {1040, -95, 1060, -80}}},
        {"3DFACE with its second edge invisible", In::World,
         [](Drawing& d, const Group&) {
             return d.add("3DFACE", {Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                     Group::point(12, 1100, 50, 0), Group::point(13, 1000, 50, 0),
                                     Group::integer(70, 2)});
         },
         {{1050, 0}, {1050, 50}, {1000, 25}}, {{1100, 25}, {1050, 25}}, {990, -10, 1110, 60},
         {{990, -10, 1050, 60}, {995, 20, 1005, 30}}, {{1095, 20, 1105, 30}, {1040, 20, 1060, 30}}},
        {"3DFACE of three corners", In::World,
         [](Drawing& d, const Group&) {
             return d.add("3DFACE", {Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                     Group::point(12, 1100, 50, 0)});
         },
         {{1050, 25}, {1100, 25}}, {{1080, 10}}, {990, -10, 1110, 60}, {{1045, 20, 1055, 30}}, {{1075, 5, 1085, 12}}},
        {"POLYFACE mesh of two triangles, the diagonal invisible", In::World,
         [](Drawing& d, const Group&) {
             Slot p = d.add("POLYLINE", {Group::integer(66, 1), Group::point(10, 0, 0, 0), Group::integer(70, 64),
                                         Group::integer(71, 4), Group::integer(72, 3)});
             for (At c : {At{1000, 0}, At{1100, 0}, At{1100, 50}, At{1000, 50}}) vertex(d, p, c, 192);
             vertex(d, p, {0, 0}, 128, {Group::integer(71, 1), Group::integer(72, 2), Group::integer(73, -3)});
             vertex(d, p, {0, 0}, 128, {Group::integer(71, -1), Group::integer(72, 3), Group::integer(73, 4)});
             // Out of range: only its first edge is drawn.
             vertex(d, p, {0, 0}, 128, {Group::integer(71, 1), Group::integer(72, 2), Group::integer(73, 99)});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1050, 0}, {1100, 25}, {1050, 50}, {1000, 25}}, {{1050, 25}, {0, 0}}, {990, -10, 1110, 60},
         {{990, -10, 1050, 60}, {1095, 20, 1105, 30}}, {{1040, 20, 1060, 30}, {-10, -10, 10, 10}}},
        {"POLYLINE polygon mesh of 2 x 3 vertices", In::World,
         [](Drawing& d, const Group&) {
             Slot p = d.add("POLYLINE", {Group::integer(66, 1), Group::point(10, 0, 0, 0), Group::integer(70, 16),
                                         Group::integer(71, 2), Group::integer(72, 3)});
             for (At c : {At{1000, 0}, At{1050, 0}, At{1100, 0}, At{1000, 50}, At{1050, 50}, At{1100, 50}})
                 vertex(d, p, c, 64);
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1050, 25}, {1025, 0}, {1000, 25}}, {{1025, 25}, {1075, 25}}, {990, -10, 1110, 60},
         {{990, -10, 1050, 60}, {1045, 20, 1055, 30}}, {{1010, 20, 1040, 30}}},
        {"POLYLINE polygon mesh of 3 x 3 vertices closed in M alone", In::World,
         [](Drawing& d, const Group&) {
             // Vertex (m, n) at 1000 + 50 n (+20 in the middle row), 50 m (+20 in the middle column):
             // closed in M, each column runs back from its last row to its first;
             // a row never runs back from its last column.
             Slot p = d.add("POLYLINE", {Group::integer(66, 1), Group::point(10, 0, 0, 0), Group::integer(70, 16 + 1),
                                         Group::integer(71, 3), Group::integer(72, 3)});
             for (int m = 0; m < 3; ++m)
                 for (int n = 0; n < 3; ++n)
                     vertex(d, p, {1000 + 50.0 * n + (m == 1 ? 20 : 0), 50.0 * m + (n == 1 ? 20 : 0)}, 64);
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1000, 50}, {1100, 50}, {1050, 70}}, {{1050, 0}, {1070, 50}}, {990, -10, 1130, 130},
         {{990, -10, 1050, 130}, {995, 45, 1005, 55}}, {{1045, -5, 1055, 5}, {1065, 45, 1075, 55}}},
        {"HATCH of two areas, one with a round island, at elevation 7", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g;
             polylinePath(g, {{1000, 0}, {1100, 0}, {1100, 100}, {1000, 100}});
             for (const Group& e : {Group::integer(92, 16), Group::integer(93, 1), Group::integer(72, 2),
                                    Group::point(10, 1050, 50, 0), Group::real(40, 25), Group::real(50, 0),
                                    Group::real(51, 360), Group::integer(73, 1), Group::integer(97, 0)})
                 g.push_back(e);
             polylinePath(g, {{1200, 0}, {1300, 0}, {1300, 100}, {1200, 100}});
             return hatch(d, z, 7, 3, g);
         },
         {{1010, 50}, {1250, 50}, {1025, 50}, {1050, 75}}, {{1050, 50}, {1150, 50}}, {990, -10, 1310, 110},
         {{990, -10, 1150, 110}, {1240, 40, 1260, 60}, {1005, 45, 1015, 55}},
         {{1040, 40, 1060, 60}, {1140, 40, 1160, 60}}, 7},
        {"HATCH of a clockwise arc, an ellipse, a spline and line edges with gaps", In::Object,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::integer(92, 1), Group::integer(93, 2)};
             lineEdge(g, {1000, 0}, {1200, 0});
             // Clockwise from 0 degrees to -180: the lower half.
             for (const Group& e : {Group::integer(72, 2), Group::point(10, 1100, 0, 0), Group::real(40, 100),
                                    Group::real(50, 0), Group::real(51, 180), Group::integer(73, 0),
                                    Group::integer(97, 0)})
                 g.push_back(e);
             for (const Group& e : {Group::integer(92, 1), Group::integer(93, 1), Group::integer(72, 3),
                                    Group::point(10, 1400, 0, 0), Group::point(11, 100, 0, 0), Group::real(40, 0.5),
                                    Group::real(50, 0), Group::real(51, 360), Group::integer(73, 1),
                                    Group::integer(97, 0)})
                 g.push_back(e);
             for (const Group& e : {Group::integer(92, 1), Group::integer(93, 2), Group::integer(72, 4),
                                    Group::integer(94, 2), Group::integer(73, 1), Group::integer(74, 0),
                                    Group::integer(95, 6), Group::integer(96, 3)})
                 g.push_back(e);
             splineGroups(g, 10, 42, {1600, 0}, {1700, 100}, {1800, 0});
             g.push_back(Group::integer(97, 0));  // no fit points
             lineEdge(g, {1800, 0}, {1600, 0});
             g.push_back(Group::integer(97, 0));
             // Two edges apart: the gaps between them close the area.
             g.push_back(Group::integer(92, 1));
             g.push_back(Group::integer(93, 2));
             lineEdge(g, {2000, 0}, {2100, 0});
             lineEdge(g, {2100, 50}, {2000, 50});
             g.push_back(Group::integer(97, 0));
             return hatch(d, z, 0, 4, g);
         },
         {{1100, -50}, {1100, -100}, {1400, 40}, {1500, 0}, {1700, 60}, {2050, 40}, {2100, 25}},
         {{1100, 50}, {1400, 60}, {1700, 80}, {2050, 60}, {1250, 0}, {1950, 25}}, {990, -110, 2110, 70},
         {{990, -110, 1210, 10}, {2095, 20, 2105, 30}, {1690, 20, 1710, 30}, {2040, 35, 2060, 45}},
         {{1090, 40, 1110, 60}, {1690, 75, 1710, 85}, {1240, -10, 1260, 10}, {2040, 55, 2060, 65}}},
    };
    return table;
}

// Wide polylines as their bands, the paths a hatch style fills, and MTEXT
// groups that belong to its embedded object.

// An LWPOLYLINE at elevation 5 through the vertices, each with its start
// and end width and bulge, after the groups `head`.
struct WideVertex {
    double x, y, start, end, bulge;
};
Slot wideLightweight(Drawing& d, const Group& z, GroupList head, std::initializer_list<WideVertex> vertices) {
    GroupList g = {Group::integer(90, static_cast<int64_t>(vertices.size())), Group::real(38, 5)};
    g.insert(g.end(), head.begin(), head.end());
    for (const WideVertex& v : vertices)
        for (const Group& vertex : {Group::point(10, v.x, v.y, 0), Group::real(40, v.start), Group::real(41, v.end),
                                    Group::real(42, v.bulge)})
            g.push_back(vertex);
    return d.add("LWPOLYLINE", with(std::move(g), z));
}

// A hatch of the squares 1000..1100, 1020..1080 and 1040..1060, each path
// of its flags, filled by the style.
Slot nestedSquares(Drawing& d, const Group& z, int style, const int (&flags)[3], bool solid = true) {
    GroupList g;
    for (int k = 0; k < 3; ++k) {
        double a = 1000 + 20 * k, b = 1100 - 20 * k;
        polylinePath(g, {{a, a - 1000}, {b, a - 1000}, {b, b - 1000}, {a, b - 1000}}, flags[k]);
    }
    return hatch(d, z, 0, 3, g, style, solid);
}

// The 92 flags of the squares: the outer one external, the next outermost,
// the inner one neither.
constexpr int kExternal = 1 | 2, kOutermost = 16 | 2, kInner = 2;

const std::vector<Row>& bandRows() {
    static const std::vector<Row> table = {
        {"LWPOLYLINE of constant width 10 (43)", In::Object,
         [](Drawing& d, const Group& z) {
             return wideLightweight(d, z, {Group::integer(70, 0), Group::real(43, 10)},
                                    {{1000, 0, 0, 0, 0}, {1100, 0, 0, 0, 0}});
         },
         // A window that holds the centre line but cuts the band takes nothing.
         {{1050, 4}, {1050, -4}, {1000, 4}}, {{1050, 7}, {1106, 0}}, {999, -6, 1101, 6},
         {{999, -2, 1101, 2}, {1040, 4.5, 1060, 10}}, {{1000, 6.5, 1100, 10}}, 5},
        {"LWPOLYLINE widening from 0 to 20, then a half circle 10 wide", In::Object,
         [](Drawing& d, const Group& z) {
             return wideLightweight(d, z, {Group::integer(70, 0)},
                                    {{1000, 0, 0, 20, 0}, {1100, 0, 10, 10, 1}, {1100, 100, 0, 0, 0}});
         },
         // The arc about 1100,50 of radius 50 runs out to x 1150; its band from 1145 to 1155.
         {{1090, 8}, {1090, -8}, {1154, 50}, {1146, 50}}, {{1010, 4}, {1140, 50}, {1157, 50}},
         {999, -11, 1156, 106}, {{999, -11, 1101, 11}, {1150, 40, 1160, 60}}, {{1000, 12, 1090, 20}, {1120, 40, 1143, 60}},
         5},
        {"LWPOLYLINE closed triangle 10 wide: the corners mitred", In::Object,
         [](Drawing& d, const Group& z) {
             return wideLightweight(d, z, {Group::integer(70, 1), Group::real(43, 10)},
                                    {{1000, 0, 0, 0, 0}, {1100, 0, 0, 0, 0}, {1050, 80, 0, 0, 0}});
         },
         // The mitres' tips: 990.98,-5, 1109.02,-5 and 1050,89.43; the hole between the bands.
         {{993.7, -3.5}, {1106.3, -3.5}, {1050, 88}, {1050, -4}}, {{1050, 40}, {988, -6}},
         {990, -6, 1110, 90}, {{990, -6, 1110, 88}, {991.5, -6, 1110, 90}}, {{1035, 15, 1065, 30}}, 5},
        {"POLYLINE of default width 10, its middle vertex's own widths 0", In::Object,
         [](Drawing& d, const Group& z) {
             Slot p = d.add("POLYLINE", with({Group::integer(66, 1), Group::point(10, 0, 0, 5), Group::integer(70, 0),
                                              Group::real(40, 10), Group::real(41, 10)},
                                             z));
             d.sub(p, "VERTEX", {Group::point(10, 1000, 0, 0)});
             d.sub(p, "VERTEX", {Group::point(10, 1100, 0, 0), Group::real(40, 0), Group::real(41, 0)});
             d.sub(p, "VERTEX", {Group::point(10, 1100, 100, 0)});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1050, 4}, {1100, 50}}, {{1103, 50}, {1050, 7}}, {999, -6, 1101, 101}, {{999, -2, 1101, 101}},
         {{1102, 10, 1110, 90}}, 5},
        {"HATCH of three nested squares, style 1: the outermost area only", In::Object,
         [](Drawing& d, const Group& z) { return nestedSquares(d, z, 1, {kExternal, kOutermost, kInner}); },
         {{1010, 50}}, {{1030, 50}, {1050, 50}}, {999, -1, 1101, 101}, {{999, -1, 1050, 101}},
         {{1025, 25, 1035, 35}, {1045, 45, 1055, 55}}},
        {"HATCH of three nested squares, style 2, of a pattern: the entire area", In::Object,
         [](Drawing& d, const Group& z) { return nestedSquares(d, z, 2, {kExternal, kOutermost, kInner}, false); },
         {{1010, 50}, {1030, 50}, {1050, 50}}, {{1110, 50}}, {999, -1, 1101, 101}, {{999, -1, 1050, 101}},
         {{1102, 0, 1110, 100}}},
        {"HATCH of three nested squares, style 2 but none external: every path, by odd parity", In::Object,
         [](Drawing& d, const Group& z) { return nestedSquares(d, z, 2, {kInner, kInner, kInner}); },
         {{1010, 50}, {1050, 50}}, {{1030, 50}}, {999, -1, 1101, 101}, {{999, -1, 1050, 101}},
         {{1025, 25, 1035, 35}}},
        {"MTEXT with an embedded object: its direction, width and column width not the text's own", In::ScaleX,
         [](Drawing& d, const Group& z) {
             // After 101: the direction (10), the insertion point (11), the
             // reference width (40) and the column width (44).
             return d.add("MTEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::integer(71, 1),
                                         Group::text(1, "ABCDE\\PAB"), Group::text(101, "Embedded Object"),
                                         Group::integer(70, 1), Group::point(10, 0, 1, 0),
                                         Group::point(11, 1000, 0, 0), Group::real(40, 60), Group::real(44, 4000)},
                                        z));
         },
         // Along +y 60 long (its reference width); two lines 10 + 5/3 * 10 across, up being -x.
         {{1010, 55}, {1020, 5}}, {{1010, -20}, {1035, 30}, {1050, 5}}, {995, -5, 1030, 65},
         {{995, -5, 1030, 30}, {1005, 50, 1015, 58}}, {{1035, 0, 1050, 60}, {995, 62, 1030, 70}}, 0, {1000, 0}},
        {"MTEXT wrapping at the space before the word that would run past its column", In::Plane,
         [](Drawing& d, const Group& z) {
             // "AB CD" is 5 wide, with its space, and fills the column of 50: "E" goes on a second line.
             return d.add("MTEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::real(41, 50),
                                         Group::integer(71, 1), Group::text(1, "AB CD E")},
                                        z));
         },
         {{1005, -22}, {1045, -5}}, {{1005, -30}, {1055, -5}}, {995, -30, 1055, 5}, {{995, -15, 1055, 5}},
         {{995, -35, 1055, -28}}, 0, {1000, 0}},
    };
    return table;
}

// Every row.
const std::vector<Row>& allRows() {
    static const std::vector<Row> table = [] {
        std::vector<Row> all = rows();
        all.insert(all.end(), bandRows().begin(), bandRows().end());
        return all;
    }();
    return table;
}

struct Extrusion {
    const char* name;
    double x, y, z;
};
const Extrusion kExtrusions[] = {{"+Z", 0, 0, 1}, {"-Z", 0, 0, -1}, {"(0.6, 0, 0.8)", 0.6, 0, 0.8}};

// Object coordinates into the world in plan, by the arbitrary axis
// algorithm: Ax = Wy x N near world z, else Wz x N; Ay = N x Ax.
At toWorld(double x, double y, double z, const Extrusion& n) {
    double ax[3] = {-n.y, n.x, 0};
    if (std::fabs(n.x) < 1.0 / 64 && std::fabs(n.y) < 1.0 / 64) ax[0] = n.z, ax[1] = 0, ax[2] = -n.x;
    double length = std::sqrt(ax[0] * ax[0] + ax[1] * ax[1] + ax[2] * ax[2]);
    for (double& a : ax) a /= length;
    double ay[2] = {n.y * ax[2] - n.z * ax[1], n.z * ax[0] - n.x * ax[2]};
    return {x * ax[0] + y * ay[0] + z * n.x, x * ax[1] + y * ay[1] + z * n.y};
}

// Where a probe given for +Z lies with the extrusion.
At placed(At a, const Row& row, const Extrusion& e) {
    switch (row.in) {
    case In::World: break;
    case In::Object: return toWorld(a.x, a.y, row.z, e);
    case In::Plane: {
        At d = toWorld(a.x - row.origin.x, a.y - row.origin.y, 0, e);
        return {row.origin.x + d.x, row.origin.y + d.y};
    }
    case In::ScaleX: return {row.origin.x + (a.x - row.origin.x) * e.z, a.y};
    case In::ScaleY: return {a.x, row.origin.y + (a.y - row.origin.y) * e.z};
    }
    return a;
}
// The extrusions tried keep the plan axes on the world axes (turned by a
// quarter at most, scaled), so a box's two corners give the box.
Box placed(Box b, const Row& row, const Extrusion& e) {
    At p = placed(At{b.x1, b.y1}, row, e), q = placed(At{b.x2, b.y2}, row, e);
    return {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}
bool overlap(const Box& a, const Box& b) { return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2; }

std::string text(const Box& b) {
    return std::to_string(b.x1) + "," + std::to_string(b.y1) + " " + std::to_string(b.x2) + "," + std::to_string(b.y2);
}

TEST(SelectionTable, EachKindIsTakenWhereItIsDrawnWholeByAWindowInPartByACrossing) {
    constexpr double kRadius = 1;
    // A probe this far from where the extrusion takes it tells the two places apart.
    constexpr double kMoved = 5;
    for (const Row& row : allRows())
        for (const Extrusion& e : kExtrusions) {
            SCOPED_TRACE(std::string(row.name) + ", " + e.name);
            Drawing d;
            Slot entity = row.make(d, Group::point(210, e.x, e.y, e.z));
            const std::vector<Slot> taken{entity}, nothing;
            for (At a : row.on) {
                At at = placed(a, row, e);
                EXPECT_EQ(pick(*d.db, at.x, at.y, kRadius), entity) << "pick at " << at.x << "," << at.y;
            }
            std::vector<At> off;
            for (At a : row.off) off.push_back(placed(a, row, e));
            for (At a : row.on)  // the place the numbers name, when the extrusion moves it
                if (At at = placed(a, row, e); std::hypot(at.x - a.x, at.y - a.y) > kMoved) off.push_back(a);
            for (At at : off) EXPECT_EQ(pick(*d.db, at.x, at.y, kRadius), kNoSlot) << "pick at " << at.x << "," << at.y;
            Box whole = placed(row.whole, row, e);
            EXPECT_EQ(selectWindow(*d.db, whole.x1, whole.y1, whole.x2, whole.y2, false), row.held ? taken : nothing)
                << text(whole);
            EXPECT_EQ(selectWindow(*d.db, whole.x1, whole.y1, whole.x2, whole.y2, true), taken) << text(whole);
            // The window at the place the numbers name: turned over, every row
            // in object coordinates leaves it; tilted, those the move takes clear of it.
            if (e.z < 0 ? row.in != In::World : !overlap(whole, row.whole)) {
                EXPECT_EQ(selectWindow(*d.db, row.whole.x1, row.whole.y1, row.whole.x2, row.whole.y2, false), nothing)
                    << text(row.whole);
            }
            for (Box b : row.parts) {
                Box part = placed(b, row, e);
                EXPECT_EQ(selectWindow(*d.db, part.x1, part.y1, part.x2, part.y2, false), nothing) << text(part);
                EXPECT_EQ(selectWindow(*d.db, part.x1, part.y1, part.x2, part.y2, true), taken) << text(part);
            }
            for (Box b : row.away) {
                Box away = placed(b, row, e);
                EXPECT_EQ(selectWindow(*d.db, away.x1, away.y1, away.x2, away.y2, true), nothing) << text(away);
            }
        }
}


// Damaged and hostile values: counts a file states but does not hold,
// non-finite and huge numbers, degrees and indices past any list.  Each
// entity is drawn in bounded time with finite numbers only (what the
// extents take), and a pick, window and crossing answer; where the rule is
// clear, the pick says where it is drawn.
struct Hostile {
    const char* name;
    std::function<Slot(Drawing&)> make;
    std::vector<At> on;  // a pick takes it
};

// A SPLINE of the control points 1000,0 1100,100 1200,0 with the knots.
Slot spline(Drawing& d, int degree, std::vector<double> knots, GroupList more = {}) {
    GroupList g = {Group::integer(71, degree), Group::integer(72, 1000000000), Group::integer(73, 3)};
    for (double k : knots) g.push_back(Group::real(40, k));
    for (At p : {At{1000, 0}, At{1100, 100}, At{1200, 0}}) g.push_back(Group::point(10, p.x, p.y, 0));
    g.insert(g.end(), more.begin(), more.end());
    return d.add("SPLINE", std::move(g));
}

const std::vector<Hostile>& hostile() {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kHuge = 1e300;
    constexpr double kWide = 1e150;
    static const std::vector<Hostile> table = {
        // A spline whose knots do not fit draws its control polygon.
        {"SPLINE with 100000 knots for 3 control points",
         [](Drawing& d) { return spline(d, 2, std::vector<double>(100000, 1.0)); }, {{1050, 50}}},
        {"SPLINE of degree 2000000000", [](Drawing& d) { return spline(d, 2000000000, {0, 0, 0, 1, 1, 1}); },
         {{1050, 50}}},
        {"SPLINE with a NaN knot", [](Drawing& d) { return spline(d, 2, {0, 0, 0, kNaN, 1, 1}); }, {{1050, 50}}},
        {"SPLINE with falling knots", [](Drawing& d) { return spline(d, 2, {0, 0, 0, 1, 1, 0.5}); }, {{1050, 50}}},
        {"SPLINE with a weight of 0",
         [](Drawing& d) {
             return spline(d, 2, {0, 0, 0, 1, 1, 1}, {Group::real(41, 1), Group::real(41, 0), Group::real(41, 1)});
         },
         {{1050, 50}}},
        {"SPLINE with knots of 1e300",
         [](Drawing& d) { return spline(d, 2, {-kHuge, -kHuge, -kHuge, kHuge, kHuge, kHuge}); }, {{1000, 0}}},
        {"SPLINE of 4000 control points",
         [](Drawing& d) {
             GroupList g = {Group::integer(71, 3)};
             for (int k = 0; k < 4000 + 4; ++k) g.push_back(Group::real(40, std::clamp(k - 3, 0, 4000 - 3)));
             for (int k = 0; k < 4000; ++k) g.push_back(Group::point(10, k, k % 2, 0));
             return d.add("SPLINE", std::move(g));
         },
         {{0, 0}}},
        {"SPLINE with a control point of 1e300",
         [](Drawing& d) {
             GroupList g = {Group::integer(71, 1), Group::real(40, 0), Group::real(40, 0), Group::real(40, 1),
                            Group::real(40, 1), Group::point(10, 1000, 0, 0), Group::point(10, kHuge, kHuge, 0)};
             return d.add("SPLINE", std::move(g));
         },
         {{1000, 0}}},
        {"ARC from 1e20 degrees to 1e300",
         [](Drawing& d) {
             return d.add("ARC", {Group::point(10, 1000, 0, 0), Group::real(40, 100), Group::real(50, 1e20),
                                  Group::real(51, kHuge)});
         },
         {}},
        {"RAY without a direction", [](Drawing& d) { return d.add("RAY", {Group::point(10, 1000, 0, 0)}); },
         {{1000, 0}}},
        {"XLINE along 1e300,1e300",
         [](Drawing& d) {
             return d.add("XLINE", {Group::point(10, 1000, 0, 0), Group::point(11, kHuge, kHuge, 0)});
         },
         {{2000, 1000}, {0, -1000}}},
        {"XLINE along NaN", [](Drawing& d) {
             return d.add("XLINE", {Group::point(10, 1000, 0, 0), Group::point(11, kNaN, 0, 0)});
         }, {{1000, 0}}},
        {"MTEXT 1e300 high of 100000 lines",
         [](Drawing& d) {
             std::string lines;
             for (int i = 0; i < 100000; ++i) lines += "A\\P";
             return d.add("MTEXT", {Group::point(10, 1000, 0, 0), Group::real(40, kHuge), Group::real(41, kNaN),
                                    Group::real(44, kNaN), Group::integer(71, 99), Group::text(1, lines)});
         },
         {}},
        {"MTEXT of formatting codes cut short",
         [](Drawing& d) { return d.add("MTEXT", {Group::point(10, 1000, 0, 0), Group::text(1, "AB\\S1^")}); },
         {{1001, -0.5}}},
        {"TEXT aligned between one point twice, of no characters",
         [](Drawing& d) {
             return d.add("TEXT", {Group::point(10, 1000, 0, 0), Group::point(11, 1000, 0, 0), Group::real(40, 10),
                                   Group::integer(72, 3), Group::text(1, "")});
         },
         {{1000, 0}}},
        {"3DFACE with a NaN corner, every edge invisible",
         [](Drawing& d) {
             return d.add("3DFACE", {Group::point(10, kNaN, 0, 0), Group::point(11, 1100, 0, 0),
                                     Group::point(12, 1100, 50, 0), Group::integer(70, 15)});
         },
         {}},
        {"POLYLINE polygon mesh of 1000000000 x 1000000000 vertices, holding 2",
         [](Drawing& d) {
             Slot p = d.add("POLYLINE", {Group::integer(66, 1), Group::integer(70, 16 + 1 + 32),
                                         Group::integer(71, 1000000000), Group::integer(72, 1000000000)});
             vertex(d, p, {1000, 0}, 64);
             vertex(d, p, {1100, 0}, 64);
             d.sub(p, "SEQEND", {});
             return p;
         },
         {}},
        {"POLYFACE mesh with indices past its points and the least integer",
         [](Drawing& d) {
             Slot p = d.add("POLYLINE", {Group::integer(66, 1), Group::integer(70, 64)});
             vertex(d, p, {1000, 0}, 192);
             vertex(d, p, {1100, 0}, 192);
             vertex(d, p, {0, 0}, 128,
                    {Group::integer(71, 1), Group::integer(72, 2), Group::integer(73, std::numeric_limits<int>::min()),
                     Group::integer(74, 1000000)});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1050, 0}}},
        {"HATCH claiming 1e9 paths, edges and knots, with a NaN ratio, a 1e300 radius and bulge",
         [](Drawing& d) {
             GroupList g = {Group::integer(92, 1),           Group::integer(93, 1000000000),
                            Group::integer(72, 3),           Group::point(10, 1000, 0, 0),
                            Group::point(11, 100, 0, 0),     Group::real(40, kNaN),
                            Group::real(50, 0),              Group::real(51, 1e20),
                            Group::integer(73, 0),           Group::integer(72, 2),
                            Group::point(10, 1000, 0, 0),    Group::real(40, kHuge),
                            Group::integer(72, 4),           Group::integer(94, 3),
                            Group::integer(95, 1000000000),  Group::integer(96, 1000000000),
                            Group::real(40, 0),              Group::point(10, 1000, 0, 0),
                            Group::integer(72, 99),          Group::point(10, 5, 5, 0),
                            Group::integer(97, 1000000000),  Group::integer(92, 2),
                            Group::integer(93, 3),           Group::point(10, 1000, 0, 0),
                            Group::real(42, kHuge),          Group::point(10, 1100, 0, 0),
                            Group::real(42, kNaN),           Group::point(10, 1100, 100, 0)};
             return hatch(d, Group::point(210, 0, 0, 1), 0, 1000000000, g);
         },
         {{1050, 0}}},
        {"LWPOLYLINE of widths NaN, 1e300 and -20, with a bulge of 1e300",
         [](Drawing& d) {
             return d.add("LWPOLYLINE", {Group::point(10, 1000, 0, 0), Group::real(40, kNaN), Group::real(41, kHuge),
                                         Group::point(10, 1100, 0, 0), Group::real(40, -20), Group::real(41, -20),
                                         Group::real(42, kHuge), Group::point(10, 1100, 100, 0)});
         },
         {{1050, 0}, {1100, 50}}},
        // Curves cut to a tolerance stay within their bounds: control points
        // as far apart as their squares stay finite (every chord is tested and
        // cut), a degree whose points cost a thousand times a cubic's, fit
        // points repeated, not finite, too close to tell apart, or too few.
        {"SPLINE swinging 1e150 wide",
         [](Drawing& d) { return cubicSpline(d, {{1000, 0}, {kWide, kWide}, {-kWide, kWide}, {1100, 0}}); },
         {{1000, 0}}},
        {"SPLINE of degree 31 over 100 control points swinging 1e150 wide",
         [](Drawing& d) {
             constexpr int kDegree = 31, kCount = 100;
             GroupList g = {Group::integer(71, kDegree)};
             for (int k = 0; k <= kCount + kDegree; ++k) g.push_back(Group::real(40, std::clamp(k - kDegree, 0, kCount - kDegree)));
             for (int k = 0; k < kCount; ++k) g.push_back(Group::point(10, k == 0 ? 1000 : (k % 2 ? kWide : -kWide), 0, 0));
             return d.add("SPLINE", std::move(g));
         },
         {{1000, 0}}},
        {"SPLINE through 5000 fit points, each twice, a NaN and 1e300 among them",
         [](Drawing& d) {
             std::vector<At> fit;
             for (int k = 0; k < 5000; ++k) fit.insert(fit.end(), 2, At{1000.0 + k, k % 2 ? 10.0 : 0.0});
             fit[7] = {kNaN, 0};
             fit[9] = {kHuge, 0};
             return d.add("SPLINE", fitGroups(fit, {}));
         },
         {{1000, 0}, {1010, 0}}},
        {"SPLINE through fit points 1e-13 apart, with end tangents",
         [](Drawing& d) {
             return d.add("SPLINE", fitGroups({{1000, 0}, {1000 + 1e-13, 0}, {1100, 0}}, {{1, 0}, {1, 0}}));
         },
         {{1050, 0}}},
        {"SPLINE through one fit point given three times, with tangents of no length",
         [](Drawing& d) { return d.add("SPLINE", fitGroups({{1000, 0}, {1000, 0}, {1000, 0}}, {{0, 0}, {0, 0}})); },
         {{1000, 0}}},
        {"SPLINE through two fit points without tangents", [](Drawing& d) {
             return d.add("SPLINE", fitGroups({{1000, 0}, {1100, 0}}, {}));
         }, {{1050, 0}}},
    };
    return table;
}

TEST(SelectionTable, HostileValuesAreDrawnInBoundedTimeWithFiniteNumbers) {
    constexpr auto kBound = std::chrono::seconds(1);
    constexpr size_t kMostPoints = size_t{1} << 18;  // what one entity of these may draw
    for (const Hostile& h : hostile()) {
        SCOPED_TRACE(h.name);
        Drawing d;
        Slot entity = h.make(d);
        auto start = std::chrono::steady_clock::now();
        for (At a : h.on) EXPECT_EQ(pick(*d.db, a.x, a.y, 1), entity) << "pick at " << a.x << "," << a.y;
        pick(*d.db, -5000, -5000, 1);
        selectWindow(*d.db, -1e6, -1e6, 1e6, 1e6, false);
        selectWindow(*d.db, 990, -10, 1010, 10, true);
        // What the extents take of it: finite numbers only.
        const std::vector<Slot>& entities = d.db->block(d.db->modelSpace())->entities;
        std::vector<const Object*> subs;
        for (size_t i = std::find(entities.begin(), entities.end(), entity) - entities.begin() + 1;
             i < entities.size() && isSubEntity(*d.db->object(entities[i])); ++i)
            subs.push_back(d.db->object(entities[i]));
        Shapes shapes;
        ShapeScratch scratch;
        addEntityShape(*d.db->object(entity), subs, Matrix(), shapes, scratch);
        for (const Point3& p : shapes.points)
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
        EXPECT_LE(shapes.points.size(), kMostPoints);
        if (shapes.box.valid()) {
            for (double v : {shapes.box.min.x, shapes.box.min.y, shapes.box.min.z, shapes.box.max.x, shapes.box.max.y,
                             shapes.box.max.z})
                EXPECT_TRUE(std::isfinite(v)) << v;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, kBound);
    }
}


// A hatch moved is drawn where it was moved: the fit points of a spline
// edge go with it (here they are all the edge has), its end tangents turn
// but do not move.
TEST(SelectionTable, AHatchMovedIsDrawnWhereItWasMoved) {
    Drawing d;
    GroupList g = {Group::integer(92, 1),         Group::integer(93, 2),        Group::integer(72, 4),
                   Group::integer(94, 3),         Group::integer(73, 0),        Group::integer(74, 0),
                   Group::integer(95, 0),         Group::integer(96, 0),        Group::integer(97, 3),
                   Group::point(11, 1600, 0, 0),  Group::point(11, 1700, 50, 0), Group::point(11, 1800, 0, 0),
                   Group::point(12, 1, 1, 0),     Group::point(13, 1, -1, 0)};
    lineEdge(g, {1800, 0}, {1600, 0});
    g.push_back(Group::integer(97, 0));
    Slot h = hatch(d, Group::point(210, 0, 0, 1), 0, 1, g);
    EXPECT_EQ(pick(*d.db, 1700, 40, 1), h);
    ASSERT_TRUE(transformEntity(*d.db->object(h), Matrix::translation(0, 500, 0)));
    EXPECT_EQ(pick(*d.db, 1700, 540, 1), h);
    EXPECT_EQ(pick(*d.db, 1700, 40, 1), kNoSlot);
    EXPECT_EQ(selectWindow(*d.db, 1590, 490, 1810, 560, false), std::vector<Slot>{h});
    const Group* tangent = findGroup(*d.db->object(h), 12, 0, xdataBegin(*d.db->object(h)));
    ASSERT_NE(tangent, nullptr);
    EXPECT_EQ(tangent->asPoint()[1], 1);
}

} // namespace
