// Pieces of a new drawing's template that the DXF reader also needs when it
// repairs a file that lacks them.
#pragma once

#include <string_view>
#include <vector>

#include "db/group.h"

namespace host::db {

// The body of a LAYOUT object: the plot settings of an ISO A3 sheet and the
// layout named name on tab tab, owned by the block record blockRecord.
GroupList layoutGroups(std::string_view name, int tab, Handle blockRecord);

} // namespace host::db
