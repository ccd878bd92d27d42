// Points every record's owner at what holds it, as the host's audit does
// for a file whose owner handles were damaged: BLOCK, ENDBLK and entities
// at their block record (table records are their table's already), objects
// at the dictionary that names them.  Each kind of repair is reported once, with the
// first record it touched and how many.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

void repairOwners(db::Database& db, const RepairNote& note);

} // namespace host::dxf
