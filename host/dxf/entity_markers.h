// The subclass markers (group 100) an entity has in a file of R2000 or
// later, in order: AcDbEntity, then its type's own (an ARC's AcDbCircle and
// AcDbArc).  Other programs find an entity's parts by them: ezdxf refuses a
// SPLINE whose AcDbSpline is not its third part, the host a record that
// lacks one.  A record that kept some markers but lost others is written
// with the lost ones put back; a record without any (R12) is taken as a
// whole by other readers and is left as it is.
#pragma once

#include "db/group.h"

#include <string_view>

namespace host::dxf {

// When the entity's body lacks markers its type needs (`solidHistory`: the
// AcDb3dSolid part that R2007 added), gives `out` its groups with those
// markers put in their places and returns true.  False when the groups are
// written as they are: every needed marker is there in order, the record
// has no marker at all, or no marker order is known for the type.
bool mendEntityMarkers(std::string_view type, const db::GroupList& groups, bool solidHistory, db::GroupList& out);

} // namespace host::dxf
