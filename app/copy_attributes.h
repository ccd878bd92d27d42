// The attributes of a copied or mirrored element insert: copies of the
// source insert's attributes become the copy's own, moved as the copy was,
// so that they follow the copy instead of standing alone in the drawing.
#pragma once

#include "acdb_objects.h"
#include "acge.h"
#include "ads_entity.h"

// Copies the attributes of `source` (none: nothing to do) onto `copy` and
// transforms them by `move`.  False when the drawing refused to move one
// (its numbers would overflow): that one stays where its source is, and the
// caller takes the copy back with its attributes.
bool CopyAttributes(AcDbDatabase* db, const ads_name source, const ads_name copy, const AcGeMatrix3d& move);
