// What every path that makes or changes an entity checks: type, table
// references, layer creation, canonical order and XDATA.
#pragma once

#include <string>
#include <vector>

#include "db/database.h"

namespace host::api {

enum class MakeKind { Entity, BlockBegin, BlockEnd, NonGraphical, TableRecord, Refused };
MakeKind makeKindOf(std::string_view type);

// Symbol-table name rules: 1 to 255 bytes, none of <>/\":;?*|,=` and no
// leading or trailing blank.  anonymousOk lets a leading '*' through.
bool validSymbolName(std::string_view name, bool anonymousOk = false);

// Checks one group of an entity of `type` that may name a table record
// (layer, linetype, text or dimension style, block) or hold a colour, and
// spells a found name as its table does.  NewLayer: a valid layer name the
// drawing lacks.
enum class NameCheck { Ok, NewLayer, Refused };
NameCheck checkNameGroup(const db::Database& db, std::string_view type, db::Group& g, std::string& error);

// The thinnest ellipse the host holds: the ratio of its minor to its major
// axis may not be smaller.
inline constexpr double kThinnestEllipseRatio = 1e-6;

// Builds the stored body of an object of `type` from its input groups:
// table references checked and spelled as the table spells them, the layer
// defaulted to the current one, canonical order, curves with a radius or axis that makes no shape
// refused.  Layers the entity names
// but the drawing lacks are listed in newLayers (the caller makes them when
// everything else succeeded).  False with a message on bad input.
// `input` may gain a defaulted layer group.
bool prepareBody(db::Database& db, std::string_view type, db::GroupList& input,
                 db::GroupList& body, std::vector<std::string>& newLayers, std::string& error,
                 size_t spare = 0);

// The layer group of an entity that names none: the current layer as its
// table spells it ("0" when the current one is missing).
db::Group currentLayerGroup(const db::Database& db);
// Makes the layers (colour 7, linetype Continuous) that do not exist yet.
// False when one could not be stored (those made stay for the caller to
// take back).
bool createLayers(db::Database& db, const std::vector<std::string>& names);

// Stores a new object: the body and XDATA as given, no owner.  kNoSlot
// when no handle is left (api::kNoHandleLeft); a caller that stored other
// objects for it first takes them back (Database::purgeSince).
db::Slot storeObject(db::Database& db, std::string_view type, db::ObjectClass cls, db::GroupList groups);
db::Slot storeObject(db::Database& db, db::TypeId type, db::ObjectClass cls, db::GroupList groups);

} // namespace host::api
