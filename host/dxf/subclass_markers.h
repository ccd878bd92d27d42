// Files of R12 (AC1009) have no subclass markers (group 100); later
// versions need them.  Records of the types the host models are put into
// the host's group order, which has the markers.
#pragma once

#include "db/group.h"

#include <string>
#include <string_view>
#include <vector>

namespace host::dxf {

// True when the groups hold no subclass marker.
bool lacksSubclassMarkers(const db::GroupList& groups);

// Rebuilds `groups` (body, then XDATA) of a record without markers in the
// canonical order of its type.  False, with `error` saying why, when the
// type is not modelled or its groups do not fit; `groups` is then unchanged.
bool addSubclassMarkers(std::string_view type, db::GroupList& groups, std::string& error);

} // namespace host::dxf
