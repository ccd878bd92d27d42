// Dimension styles that name their text style and arrow blocks instead of
// holding handles: R12 files (arrow blocks in groups 5, 6 and 7, where later
// versions have 342, 343 and 344) and files of LibreCAD's DXF library (the
// text style's name in 340).  Once the whole file is read, each name becomes
// the handle of its record; a name of no record is left out with a note, so
// the style falls back to the standard text style or arrow.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

void resolveDimstyleNames(db::Database& db, const RepairNote& note);

} // namespace host::dxf
