// Building drawings for the geometry tests: an entity appended to a block
// or space, a block with its BLOCK and ENDBLK.
#pragma once

#include <string>

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

} // namespace host::db::test_drawing
