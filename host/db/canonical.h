// The host's group order for the types it models.  acdbEntMake and
// acdbEntMod put an input list into this order (filling defaults and
// dropping BYLAYER linetype and colour), so entity lists come back as the
// target host gives them, e.g. for an INSERT:
//   100 AcDbEntity, 8, [6], [62], 100 AcDbBlockReference, 2, 10, 41, 42, 43,
//   50, 70, 71, 44, 45, 210.
// Modelled: LINE ARC CIRCLE ELLIPSE SOLID HATCH TEXT INSERT LEADER DIMENSION
// BLOCK ENDBLK DICTIONARY XRECORD and the table records.  HATCH, DIMENSION
// and XRECORD data keep their input order after their fixed part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/group.h"

namespace host::db {

bool isModelledType(std::string_view type);

// Builds the canonical body of a modelled type from input groups (no -1, 0,
// 5, owner 330 or XDATA among them; 100 markers optional).  False, with a
// message, when a group code does not belong to the type or a required
// group is missing.  Unmodelled types: the input is copied as it is.
// The body is allocated to its exact size plus `spare` groups (room for
// XDATA the caller appends).
bool canonicalBody(std::string_view type, const std::vector<Group>& input, std::vector<Group>& body,
                   std::string& error, size_t spare = 0);

} // namespace host::db
