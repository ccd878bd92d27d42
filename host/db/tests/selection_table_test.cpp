// What a pick, a window and a crossing take of each kind of entity the host
// draws, whole and in part, flat (+Z) and turned over (-Z extrusion).  Each
// row draws one entity; its probes are where it is drawn with +Z.  An entity
// given in object coordinates is drawn with -Z at its mirror image in x
// (an ellipse, in world coordinates, runs the other way round: y); there
// the probes are mirrored, and the place the file's numbers name before
// the mirroring takes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "db/geometry.h"

using namespace host::db;

namespace {

struct At {
    double x, y;
};
struct Box {
    double x1, y1, x2, y2;
};
enum class Mirror { None, X, Y };

class Drawing {
public:
    std::unique_ptr<Database> db = Database::createDefault();
    Slot add(Slot block, const char* type, GroupList groups) {
        Object o;
        o.type = internType(type);
        o.groups = std::move(groups);
        Slot s = db->add(std::move(o));
        db->appendEntity(block, s);
        return s;
    }
    Slot add(const char* type, GroupList groups) { return add(db->modelSpace(), type, std::move(groups)); }
    // A sub-entity right after its main entity, owned by it.
    void sub(Slot main, const char* type, GroupList groups) {
        Slot s = add(type, std::move(groups));
        db->object(s)->owner = db->object(main)->handle;
    }
    Slot block(const char* name) {
        Object rec;
        rec.type = internType("BLOCK_RECORD");
        rec.groups = {Group::text(2, name)};
        Slot r = db->add(rec);
        db->addRecord(Table::BlockRecord, r);
        db->addBlock(r);
        Object begin, end;
        begin.type = internType("BLOCK");
        begin.groups = {Group::text(2, name), Group::point(10, 0, 0, 0)};
        end.type = internType("ENDBLK");
        db->setBlockObjects(r, db->add(begin), db->add(end));
        return r;
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

struct Row {
    const char* name;
    Mirror mirror;  // where -Z draws it
    std::function<Slot(Drawing&, const Group& extrusion)> make;
    std::vector<At> on, off;  // a pick takes it / takes nothing
    Box whole;                // a window takes it
    std::vector<Box> parts;   // hold part of it: a window takes nothing, a crossing takes it
    std::vector<Box> away;    // meet nothing of it: a crossing takes nothing
};

const std::vector<Row>& rows() {
    static const std::vector<Row> table = {
        {"LINE (world coordinates)", Mirror::None,
         [](Drawing& d, const Group& z) {
             return d.add("LINE", with({Group::point(10, 1000, 0, 0), Group::point(11, 1200, 0, 0)}, z));
         },
         {{1100, 0}}, {{1100, 50}}, {990, -10, 1210, 10}, {{990, -10, 1100, 10}}, {{1000, 20, 1200, 30}}},
        {"CIRCLE", Mirror::X,
         [](Drawing& d, const Group& z) {
             return d.add("CIRCLE", with({Group::point(10, 1000, 0, 0), Group::real(40, 100)}, z));
         },
         {{1100, 0}, {1000, 100}}, {{1000, 0}}, {890, -110, 1110, 110}, {{1050, -110, 1110, 110}},
         {{980, -20, 1020, 20}}},
        {"ARC 0 to 90 degrees", Mirror::X,
         [](Drawing& d, const Group& z) {
             return d.add("ARC", with({Group::point(10, 1000, 0, 0), Group::real(40, 100), Group::real(50, 0),
                                       Group::real(51, 90)},
                                      z));
         },
         {{1070.71, 70.71}}, {{1000, 0}, {929.29, -70.71}}, {990, -10, 1110, 110}, {{1050, -10, 1110, 110}},
         {{880, -110, 950, -50}}},
        {"ELLIPSE quarter", Mirror::Y,
         [](Drawing& d, const Group& z) {
             return d.add("ELLIPSE", with({Group::point(10, 1000, 0, 0), Group::point(11, 100, 0, 0),
                                           Group::real(40, 0.5), Group::real(41, 0), Group::real(42, M_PI / 2)},
                                          z));
         },
         {{1070.71, 35.36}}, {{1000, 0}}, {990, -10, 1110, 60}, {{1050, -10, 1110, 60}}, {{880, -60, 950, -10}}},
        {"TEXT", Mirror::X,
         [](Drawing& d, const Group& z) {
             return d.add("TEXT", with({Group::point(10, 1000, 0, 0), Group::real(40, 10), Group::text(1, "ABCDE")}, z));
         },
         {{1025, 5}}, {{1025, 30}}, {990, -5, 1060, 15}, {{990, -5, 1025, 15}}, {{1000, 20, 1050, 30}}},
        {"SOLID", Mirror::X,
         [](Drawing& d, const Group& z) {
             return d.add("SOLID", with({Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                         Group::point(12, 1000, 50, 0), Group::point(13, 1100, 50, 0)},
                                        z));
         },
         {{1050, 25}}, {{1050, 80}}, {990, -10, 1110, 60}, {{990, -10, 1050, 60}, {1040, 20, 1060, 30}},
         {{1000, 70, 1100, 80}}},
        {"TRACE", Mirror::X,
         [](Drawing& d, const Group& z) {
             return d.add("TRACE", with({Group::point(10, 1000, 0, 0), Group::point(11, 1100, 0, 0),
                                         Group::point(12, 1000, 50, 0), Group::point(13, 1100, 50, 0)},
                                        z));
         },
         {{1050, 0}}, {{1050, 80}}, {990, -10, 1110, 60}, {{990, -10, 1050, 60}}, {{1000, 70, 1100, 80}}},
        {"HATCH of four line edges", Mirror::X,
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
        {"INSERT with a visible ATTRIB", Mirror::X,
         [](Drawing& d, const Group& z) { return insertWithAttribute(d, z, true); },
         {{1050, 0}, {1010, 25}}, {{1050, 50}}, {990, -10, 1110, 40},
         {{990, -10, 1110, 10}, {995, 15, 1025, 35}}, {{1000, 45, 1100, 60}}},
        {"INSERT with an invisible ATTRIB", Mirror::X,
         [](Drawing& d, const Group& z) { return insertWithAttribute(d, z, false); },
         {{1050, 0}}, {{1010, 25}, {1050, 50}}, {990, -10, 1110, 10}, {{990, -10, 1050, 10}},
         {{995, 15, 1025, 35}}},
        {"INSERT of a block holding an INSERT turned over", Mirror::X,
         [](Drawing& d, const Group& z) {
             d.add(d.block("INNER"), "LINE", {Group::point(10, 0, 0, 0), Group::point(11, 50, 0, 0)});
             // At 100,0 of OUTER with -Z: the line runs from -100 to -150 there.
             d.add(d.block("OUTER"), "INSERT",
                   {Group::text(2, "INNER"), Group::point(10, 100, 0, 0), Group::point(210, 0, 0, -1)});
             return d.add("INSERT", with({Group::text(2, "OUTER"), Group::point(10, 1000, 0, 0)}, z));
         },
         {{875, 0}}, {{1125, 0}}, {840, -10, 910, 10}, {{840, -10, 875, 10}}, {{1090, -10, 1160, 10}}},
        {"POLYLINE 2D, closed, with a bulge", Mirror::X,
         [](Drawing& d, const Group& z) {
             Slot p = d.add("POLYLINE", with({Group::integer(66, 1), Group::point(10, 0, 0, 5), Group::integer(70, 1)}, z));
             for (int i = 0; i < 3; ++i)
                 d.sub(p, "VERTEX", {Group::point(10, kPath[i].x, kPath[i].y, 0), Group::real(42, kPathBulges[i])});
             d.sub(p, "SEQEND", {});
             return p;
         },
         {{1150, 50}, {1050, 50}}, {{1000, 100}, {0, 0}}, {990, -10, 1160, 110},
         {{990, -10, 1010, 10}, {990, -10, 1120, 110}, {1140, 40, 1160, 60}}, {{-10, -10, 10, 10}}},
        {"POLYLINE 3D with a spline frame point", Mirror::None,
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
        {"LWPOLYLINE closed, with a bulge", Mirror::X,
         [](Drawing& d, const Group& z) {
             GroupList g = {Group::integer(90, 3), Group::integer(70, 1), Group::real(38, 5)};
             for (int i = 0; i < 3; ++i) {
                 g.push_back(Group::point(10, kPath[i].x, kPath[i].y, 0));
                 g.push_back(Group::real(42, kPathBulges[i]));
             }
             return d.add("LWPOLYLINE", with(std::move(g), z));
         },
         {{1150, 50}, {1050, 50}}, {{1000, 100}}, {990, -10, 1160, 110},
         {{990, -10, 1010, 10}, {990, -10, 1120, 110}, {1140, 40, 1160, 60}}, {{1000, 90, 1010, 100}}},
        {"DIMENSION by its block", Mirror::None,
         [](Drawing& d, const Group& z) {
             d.add(d.block("*D1"), "LINE", {Group::point(10, 1000, -5, 0), Group::point(11, 1200, -5, 0)});
             return d.add("DIMENSION",
                          with({Group::text(2, "*D1"), Group::point(10, 1000, 0, 0), Group::point(11, 1100, -3, 0)}, z));
         },
         {{1100, -5}}, {{1100, 20}}, {990, -10, 1210, 0}, {{990, -10, 1100, 0}}, {{1000, 10, 1200, 20}}},
        {"LEADER", Mirror::None,
         [](Drawing& d, const Group& z) {
             return d.add("LEADER", with({Group::point(10, 1000, 0, 0), Group::point(10, 1100, 50, 0)}, z));
         },
         {{1050, 25}}, {{1050, 0}}, {990, -10, 1110, 60}, {{990, -10, 1050, 30}}, {{1060, 0, 1100, 20}}},
    };
    return table;
}

At mirrored(At a, Mirror m) { return m == Mirror::X ? At{-a.x, a.y} : m == Mirror::Y ? At{a.x, -a.y} : a; }
Box mirrored(Box b, Mirror m) {
    At p = mirrored(At{b.x1, b.y1}, m), q = mirrored(At{b.x2, b.y2}, m);
    return {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}

std::string text(const Box& b) {
    return std::to_string(b.x1) + "," + std::to_string(b.y1) + " " + std::to_string(b.x2) + "," + std::to_string(b.y2);
}

TEST(SelectionTable, EachKindIsTakenWhereItIsDrawnWholeByAWindowInPartByACrossing) {
    constexpr double kRadius = 1;
    for (const Row& row : rows())
        for (bool flat : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (flat ? ", +Z" : ", -Z"));
            Drawing d;
            Slot entity = row.make(d, Group::point(210, 0, 0, flat ? 1 : -1));
            Mirror m = flat ? Mirror::None : row.mirror;
            const std::vector<Slot> taken{entity}, nothing;
            for (At a : row.on) {
                At at = mirrored(a, m);
                EXPECT_EQ(pick(*d.db, at.x, at.y, kRadius), entity) << "pick at " << at.x << "," << at.y;
            }
            std::vector<At> off;
            for (At a : row.off) off.push_back(mirrored(a, m));
            if (m != Mirror::None) off.insert(off.end(), row.on.begin(), row.on.end());  // the unmirrored place
            for (At at : off) EXPECT_EQ(pick(*d.db, at.x, at.y, kRadius), kNoSlot) << "pick at " << at.x << "," << at.y;
            Box whole = mirrored(row.whole, m);
            EXPECT_EQ(selectWindow(*d.db, whole.x1, whole.y1, whole.x2, whole.y2, false), taken) << text(whole);
            EXPECT_EQ(selectWindow(*d.db, whole.x1, whole.y1, whole.x2, whole.y2, true), taken) << text(whole);
            if (m != Mirror::None) {  // the window at the unmirrored place
                EXPECT_EQ(selectWindow(*d.db, row.whole.x1, row.whole.y1, row.whole.x2, row.whole.y2, false), nothing)
                    << text(row.whole);
            }
            for (Box b : row.parts) {
                Box part = mirrored(b, m);
                EXPECT_EQ(selectWindow(*d.db, part.x1, part.y1, part.x2, part.y2, false), nothing) << text(part);
                EXPECT_EQ(selectWindow(*d.db, part.x1, part.y1, part.x2, part.y2, true), taken) << text(part);
            }
            for (Box b : row.away) {
                Box away = mirrored(b, m);
                EXPECT_EQ(selectWindow(*d.db, away.x1, away.y1, away.x2, away.y2, true), nothing) << text(away);
            }
        }
}

} // namespace
