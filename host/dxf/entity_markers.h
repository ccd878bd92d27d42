// The subclass markers (group 100) an entity has in a file of R2000 or
// later, in order: AcDbEntity, then its type's own (an ARC's AcDbCircle and
// AcDbArc).  Other programs find an entity's parts by them: ezdxf by their
// places (it refuses a SPLINE whose AcDbSpline is not its third part), the
// host by their names.  A record whose markers are out of order, lost or
// one too many is written with each group under its own part, in order;
// so is one without any (of R12), since the versions saved need them.
#pragma once

#include "db/group.h"

#include <string_view>

namespace host::dxf {

// When the entity's body does not have its type's markers in order (with
// `solidHistory`: the AcDb3dSolid part that R2007 added), gives `out` its
// groups with the markers in their places and returns true.  False when the
// groups are written as they are: every needed marker is there in order,
// or no marker order is known for the type.
bool mendEntityMarkers(std::string_view type, const db::GroupList& groups, bool solidHistory, db::GroupList& out);

// True when a record of the type (upper case) without any marker is written
// so: no marker order is known for it.
bool keptWithoutMarkers(std::string_view type);

// True when the marker at `at`, of the name of the one before it, begins a
// part of its own: the second of a type's two parts of one name (a TEXT's
// AcDbText) after a first that holds no group, with none of the first's
// after it.  A save writes them so.
bool beginsSecondPartOfName(std::string_view type, const db::GroupList& groups, size_t at);

} // namespace host::dxf
