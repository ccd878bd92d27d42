// Points every object's owner at the dictionary (or other record) that
// names it, as the host's audit does for a file whose owner handles were
// damaged or name nothing; entities and table records get theirs as they
// are placed.  Each kind of repair is reported once for each cause (an
// owner that does not hold the object, one that does not exist), with the
// first object it touched and how many.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

void repairOwners(db::Database& db, const RepairNote& note);

// Whether a record's group of this code makes the record the owner of the
// object it names: the soft and hard owner pointers (a dictionary's
// entries, an extension dictionary, a viewport's sun).
bool ownsByCode(int code);

// Whether `holder` names `object` by such a group (before its XDATA).
bool namesAsOwned(const db::Object& holder, db::Handle object);

} // namespace host::dxf
