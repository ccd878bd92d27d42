// Sub-entities: an insert's attributes and a polyline's vertices, each run
// closed by a SEQEND.  They stand in their block's entity list right after
// their main entity, with that entity as their owner, and live and die with
// it: other programs refuse a file with one standing alone.
#pragma once

#include <vector>

#include "db/database.h"

namespace host::db {

// ATTRIB, VERTEX or SEQEND.
bool isSubEntity(const Object& object);
// INSERT or POLYLINE: the entities that may have sub-entities.
bool mayOwnSubEntities(const Object& object);
// Whether a sub-entity is of a kind the main entity takes: an insert takes
// ATTRIBs, a polyline VERTEXes, both a SEQEND.  Other programs refuse a
// file with an ATTRIB in a polyline's run or a VERTEX in an insert's.
bool takesSubEntity(const Object& main, const Object& sub);
// Where an entity stands in its block's list (entities are mostly in slot
// order: a binary search, else the block's position index); the list's
// size when absent.
size_t positionInBlock(const Block& block, Slot entity);
// What a pick that meets an entity selects: a sub-entity's main entity
// (kNoSlot when it has none or it is erased), any other entity itself.
Slot mainEntityOf(const Database& db, Slot entity);
// The sub-entities right after a main entity in its block, in order (erased
// ones too); empty for any other entity.
std::vector<Slot> subEntitiesOf(const Database& db, Slot main);
// A SEQEND that closes the main entity's run: owned by it, on its layer
// and in its space (not yet stored).
Object closingSeqend(const Object& main);
// Whether an insert's group 66 says that attributes follow it; setting it
// puts 66 = 1 before the block name, where the host writes it.
bool attributesFollow(const Object& insert);
void setAttributesFollow(Object& insert);

} // namespace host::db
