// The id of the drawing's model space, which copied entities are cloned into.
#pragma once

#include "acdb_objects.h"

// Null when the drawing has no block table or no model space.
AcDbObjectId ModelSpaceId(AcDbDatabase* db);
