// Layouts and the space blocks they show point at each other: a LAYOUT's
// block record (group 330 of its AcDbLayout part) and the block record's
// layout (340).  Files from other writers (R12 ones that name block records
// they do not hold, damaged ones) break these links, and other programs
// refuse a layout without its block or a paper space without its layout.
// Each link is mended: a layout is matched to a block by the pointers left,
// else by its name or to a paper space no layout holds; a paper space
// without a layout gets one; a layout no block is left for is dropped.
// The layout dictionary itself is mended first (entries that are no
// layout, layouts named unlike their key or without their AcDbLayout
// part), and a LAYOUT it does not name is dropped last.  False, with
// `error` saying which, when a layout a space needs cannot be added.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

bool linkLayouts(db::Database& db, const RepairNote& note, std::string& error);

} // namespace host::dxf
