// The attributes of a copied or mirrored element insert: copies of the
// source insert's attributes become the copy's own, moved as the copy was,
// so that they follow the copy instead of standing alone in the drawing.
#pragma once

#include "acdb_objects.h"
#include "acge.h"
#include "ads_entity.h"

// Copies the attributes of `source` (none: nothing to do) onto `copy` and
// transforms them by `move`.
void CopyAttributes(AcDbDatabase* db, const ads_name source, const ads_name copy, const AcGeMatrix3d& move);
