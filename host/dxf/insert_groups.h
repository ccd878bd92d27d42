// INSERTs as other writers leave them.  DXF does not fix the order of an
// entity's groups, and writers leave out groups at their defaults; the host
// holds an insert's block reference part in its own order, with its
// insertion point, scales and rotation always there, as its entity data
// gives them, so that every reader of that data finds them.
#pragma once

#include "db/group.h"

namespace host::dxf {

// Puts the fields of the block reference part of an INSERT's groups (body,
// then XDATA) in the host's order, in the places those fields held, and
// adds a missing insertion point (10), scale (41, 42, 43) or rotation (50)
// at its default.  Other groups keep their places.  A body without the
// AcDbBlockReference marker (R12, or a multiple insert's other marker) is
// taken whole.
void holdInsertGroups(db::GroupList& groups);

} // namespace host::dxf
