// Makes a drawing complete enough to save and to be opened by other CAD
// programs, as a host's audit would: the table heads and standard records,
// model and paper space, the root dictionary with ACAD_GROUP, ACAD_LAYOUT
// and ACAD_PLOTSTYLENAME, CLASS records for the classes in use, and a table
// entry for every layer, linetype, text style, dimension style, block and
// application that an entity names, and a text style that a multileader
// style names.  Each repair is reported.  A drawing that needs an object
// added when no handle is left for it cannot be made complete, nor saved
// soundly: the repair says so and stops.
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

// False, with `error` saying what could not be added, when the drawing
// needs an object that cannot be added (the repairs made before stay).
bool repairDrawing(db::Database& db, const RepairNote& note, std::string& error);

// Why an object the drawing needs (`what`: "the table VPORT") could not
// be added: no handle is left, or no room.
std::string cannotAdd(const db::Database& db, std::string_view what);

// The subclass marker of a table's records after AcDbSymbolTableRecord.
const char* tableRecordSubclass(db::Table table);

// A BLOCK_RECORD of that name with its block (no BLOCK/ENDBLK yet); the
// table head is made when missing.  kNoSlot when either cannot be added.
db::Slot addBlockRecord(db::Database& db, std::string_view name);
// BLOCK and ENDBLK for a block that has none (with group 67 in paper
// space); false when they cannot be added.
bool addBlockObjects(db::Database& db, db::Slot record, bool paper);
// *Model_Space or *Paper_Space, a paper space's name of a number too
// (*Paper_Space0), in any letters.
bool isSpaceName(std::string_view name);
// The records of *Model_Space and *Paper_Space with their blocks, made
// when missing, and known to the database as its spaces.  False, with
// `error` saying why, when one cannot be added.
bool ensureSpaces(db::Database& db, std::string& error);

} // namespace host::dxf
