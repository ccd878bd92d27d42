// The extents of everything a drawing shows in model space, for $EXTMIN
// and $EXTMAX.  Inserts of the same block share one computation of the
// block's own extents.
#pragma once

#include "db/database.h"
#include "db/geometry.h"

#include <functional>

namespace host::dxf {

// `written` tells which entities go into the file.
db::Extents modelSpaceExtents(const db::Database& db, const std::function<bool(db::Slot)>& written);

} // namespace host::dxf
