// Every dimension carries a block of its own that draws it (group 2).
// Other programs drop a dimension whose block name is missing or blank,
// and one naming model or paper space would draw that whole space, itself
// among it.  Such a dimension is kept and given a new empty "*D" block;
// the host draws a dimension of an empty block by its points.  Each is
// reported.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

#include <string>

namespace host::dxf {

// False, with `error` saying which, when a block cannot be added.
bool giveDimensionsBlocks(db::Database& db, const RepairNote& note, std::string& error);

} // namespace host::dxf
