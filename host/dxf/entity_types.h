// The entity types of the DXF format.  A record among the entities that is
// of none of them and carries no AcDbEntity marker is no entity other
// programs can take (they drop it or refuse the file): a damaged type name,
// or an object that lost its way.
#pragma once

#include "db/group.h"

#include <string_view>

namespace host::dxf {

bool isDxfEntityType(std::string_view type);

// True when the groups hold the AcDbEntity subclass marker.
bool hasEntityMarker(const db::GroupList& groups);

// Dimensions of every kind (the type in capitals): each draws the block it
// names in group 2 and names its dimension style in group 3.
bool isDimensionType(std::string_view type);
// The entities that name a dimension style in group 3: dimensions,
// leaders and tolerances.
bool namesDimensionStyle(std::string_view type);

} // namespace host::dxf
