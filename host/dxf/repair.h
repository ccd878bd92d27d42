// Makes a drawing complete enough to save and to be opened by other CAD
// programs, as a host's audit would: the table heads and standard records,
// model and paper space, the root dictionary with ACAD_GROUP, ACAD_LAYOUT
// and ACAD_PLOTSTYLENAME, CLASS records for the classes in use, and a table
// entry for every layer, linetype, text style, dimension style, block and
// application that an entity names, and a text style that a multileader
// style names.  Each repair is reported.
#pragma once

#include "db/database.h"
#include "dxf/diagnostic.h"

#include <functional>
#include <string>
#include <string_view>

namespace host::dxf {

// Tells one repair: its kind (what it loses, what it is told with) and what
// was done.
using RepairNote = std::function<void(const RepairKind&, const std::string&)>;

void repairDrawing(db::Database& db, const RepairNote& note);

// The subclass marker of a table's records after AcDbSymbolTableRecord.
const char* tableRecordSubclass(db::Table table);

// A BLOCK_RECORD of that name with its block (no BLOCK/ENDBLK yet); the
// table head is made when missing.
db::Slot addBlockRecord(db::Database& db, std::string_view name);
// *Model_Space and *Paper_Space with their BLOCK and ENDBLK, made when
// missing, and known to the database as its spaces.
void ensureSpaces(db::Database& db);

} // namespace host::dxf
