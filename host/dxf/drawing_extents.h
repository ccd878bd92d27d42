// The extents of everything a drawing shows in model space, for $EXTMIN
// and $EXTMAX, by the shapes picks and windows use (db/drawn_shapes.h):
// each block's box is worked out once per save.
#pragma once

#include "db/database.h"
#include "db/geometry.h"

#include <cstddef>
#include <functional>

namespace host::dxf {

// An entity whose numbers overflow when drawn (a circle of radius 1e308
// centred at 1.7e308, a MINSERT of 32767 columns 1e305 apart) has no
// finite box: it is left out, and the rest keep their extents.
struct ModelSpaceExtents {
    db::Extents box;                          // finite, or not valid
    size_t leftOut = 0;                       // entities that overflow
    db::Slot firstLeftOut = db::kNoSlot;      // the first of them in model space
};

// `written` tells which entities go into the file.
ModelSpaceExtents modelSpaceExtents(const db::Database& db, const std::function<bool(db::Slot)>& written);

} // namespace host::dxf
