// acdbEntMod's usual round trip: a list read with acdbEntGet(X), some values
// changed, given back.  When the list has exactly the groups the entity
// has, in its order, and only free values changed, the entity's groups are
// changed in place: no new body, no merge.  Anything else is left to the
// general way, which also reports every error.
#pragma once

#include "ads_types.h"
#include "db/database.h"

namespace host::api {

// True when a changed group of this code in an object of this type needs
// the general way: it names a table record, the host leaves it out at its
// default, it is a marker, or it gives a curve or an insert its shape.
bool valueNeedsRules(std::string_view type, int code);

// True when it made the change; false: nothing was changed and the general
// way must look at the list.
bool modifyInPlace(db::Database& db, const resbuf* given);

} // namespace host::api
