// Angles are kept as a file holds them: degrees for the angle groups of
// ARC, TEXT, INSERT, DIMENSION, HATCH, POINT, SHAPE, ATTRIB, ATTDEF, STYLE
// and MTEXT (its rotation 50: the reference says radians, but the files
// other programs write, and those programs' readers, have degrees); radians
// elsewhere (ELLIPSE parameters).  C API lists and the object API use
// radians throughout; these helpers convert.
#pragma once

#include <string_view>

#include "db/group.h"

namespace host::db {

// True when the stored group `code` of an object of `type` is in degrees.
bool angleInDegrees(std::string_view type, int code);
// A stored value in radians, and radians as the stored value.
double toRadians(std::string_view type, int code, double stored);
double fromRadians(std::string_view type, int code, double radians);

} // namespace host::db
