// The one rule for numbers a drawing may hold: a file cannot hold an
// infinite or NaN number, so a save refuses a drawing that holds one, and
// every write of the C and object API refuses to put one there.
#pragma once

#include "db/group.h"

namespace host::db {

// The code of the first group (body or XDATA) whose number is not finite;
// 0 when every number is.
int nonFiniteCode(const GroupList& groups);

} // namespace host::db
