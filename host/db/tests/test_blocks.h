// Building drawings for the geometry tests: an entity appended to a block
// or space, a block with its BLOCK and ENDBLK.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "db/database.h"

namespace host::db::test_drawing {

inline Slot addEntity(Database& db, Slot block, const char* type, GroupList groups) {
    Object o;
    o.type = internType(type);
    o.groups = std::move(groups);
    Slot s = db.add(std::move(o));
    db.appendEntity(block, s);
    return s;
}

// A block named `name` with its base point at (bx, by).
inline Slot addBlock(Database& db, const std::string& name, double bx = 0, double by = 0) {
    Object rec;
    rec.type = internType("BLOCK_RECORD");
    rec.groups = {Group::text(2, name)};
    Slot r = db.add(rec);
    db.addRecord(Table::BlockRecord, r);
    db.addBlock(r);
    Object begin, end;
    begin.type = internType("BLOCK");
    begin.groups = {Group::text(2, name), Group::point(10, bx, by, 0)};
    end.type = internType("ENDBLK");
    db.setBlockObjects(r, db.add(begin), db.add(end));
    return r;
}

// An LWPOLYLINE through (x, y, bulge, start width, end width) rows.
inline Slot addLwPolyline(Database& db, Slot block, const std::vector<std::array<double, 5>>& rows, bool closed) {
    GroupList g = {Group::integer(90, static_cast<int>(rows.size())), Group::integer(70, closed ? 1 : 0)};
    for (const auto& r : rows) {
        g.push_back(Group::point(10, r[0], r[1], 0));
        g.push_back(Group::real(40, r[3]));
        g.push_back(Group::real(41, r[4]));
        g.push_back(Group::real(42, r[2]));
    }
    return addEntity(db, block, "LWPOLYLINE", std::move(g));
}

// A new drawing and the entities most tests place in it.
struct Drawing {
    std::unique_ptr<Database> db = Database::createDefault();
    Slot add(Slot block, const char* type, GroupList groups) { return addEntity(*db, block, type, std::move(groups)); }
    Slot block(const std::string& name) { return addBlock(*db, name); }
    Slot ms() const { return db->modelSpace(); }
    void line(Slot in, double x0, double y0, double x1, double y1) {
        add(in, "LINE", {Group::point(10, x0, y0, 0), Group::point(11, x1, y1, 0)});
    }
    void circle(Slot in, double x, double y, double r) {
        add(in, "CIRCLE", {Group::point(10, x, y, 0), Group::real(40, r)});
    }
    // An insert with the groups given after its name and point.
    Slot insert(Slot in, const std::string& name, double x, double y, GroupList more = {}) {
        GroupList g = {Group::text(2, name), Group::point(10, x, y, 0)};
        g.insert(g.end(), more.begin(), more.end());
        return add(in, "INSERT", std::move(g));
    }
};

} // namespace host::db::test_drawing
