// Layer names may not hold the characters < > / \ " : ; ? * = `, which
// other programs refuse in an entity's layer (the special layers *ADSK_...,
// *ACMAP... and *TEMPORARY... excepted; '|' stands in the names of an
// external reference's layers and is kept).  A damaged name that holds one is
// renamed, each such character made '_', in its record, in the entities
// on it and in $CLAYER.
#pragma once

#include "db/database.h"
#include "dxf/repair.h"

#include <string>
#include <string_view>
#include <vector>

namespace host::dxf {

bool isValidLayerName(std::string_view name);

// Renames the layers of those names (each name once); `entities` are all
// the entities (and block brackets) that may lie on them.
void renameLayers(db::Database& db, const std::vector<db::Slot>& entities, const std::vector<std::string>& names,
                  const RepairNote& note);

} // namespace host::dxf
