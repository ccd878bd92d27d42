// A dictionary's body, after its AcDbDictionary marker, holds only its
// flags (280, 281) and key/entry pairs: a key (3) and its object (350, or
// 360 when hard-owned).  Other readers pair keys with entries as they come,
// so a damaged body (a key whose entry has another code, stray groups)
// loses or mixes up entries there.  Each dictionary is mended: an entry
// under another code that names an object the dictionary owns is taken as
// the pointer, a key with no entry and groups that are no part of a
// dictionary are left out; each dictionary mended is reported once.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

namespace host::dxf {

void repairDictionaryEntries(db::Database& db, const RepairNote& note);

} // namespace host::dxf
