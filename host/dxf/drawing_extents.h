// The extents of everything a drawing shows in model space, for $EXTMIN
// and $EXTMAX, by the shapes picks and windows use (db/drawn_shapes.h):
// each block's box is worked out once per save.
#pragma once

#include "db/database.h"
#include "db/geometry.h"

#include <functional>

namespace host::dxf {

// `written` tells which entities go into the file.
db::Extents modelSpaceExtents(const db::Database& db, const std::function<bool(db::Slot)>& written);

} // namespace host::dxf
