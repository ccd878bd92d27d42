// Entities made again and again from lists of one shape.  A program makes
// its lines, arcs, inserts and blocks with the same code each time, so the
// lists have the same type and group codes in the same order; what depends
// only on that shape (the kind of object, and for each stored group, in the
// host's order, where it comes from and how it is converted and checked) is
// worked out once and kept.  Anything unusual is left to the general path,
// which also reports every error.
#pragma once

#include <vector>

#include "ads_types.h"
#include "db/database.h"

namespace host::api {

// True when the list describes an entity or the BLOCK that begins a block
// definition, and it could be built this way: type and groups (body in the
// host's order, names spelled as their tables spell them, the current layer
// when the list names none, then the XDATA) come back, nothing is stored
// yet.  False: the general path must make it (bad input, a new layer, or
// merely an unusual list).
bool buildFromShape(db::Database& db, const resbuf* input, db::TypeId& type, db::GroupList& groups);

} // namespace host::api
