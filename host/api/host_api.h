// What the rest of the host (documents, input, DXF) needs from the C and
// object API: the current database, entity names, the interactive
// selection hook and the reactor notification.
#pragma once

#include <functional>
#include <vector>

#include "ads_types.h"
#include "db/database.h"

class AcDbDatabase;

namespace host::api {

// Why a new object was not stored: new handles are only ever above every
// handle in use, and none is left there.
inline constexpr const char* kNoHandleLeft = "the drawing has no handle left for a new object";

// The ads_* functions act on the current document's database.  Null: every
// entity function fails with RTERROR.
void setCurrentDatabase(db::Database* database);
db::Database* currentDatabase();
// The same for a document's object-API database.
void setCurrentDatabase(AcDbDatabase* database);
// The drawing database behind an object-API database (never null for a
// database made with new AcDbDatabase).
db::Database* databaseOf(AcDbDatabase* database);
// Replaces the drawing inside an AcDbDatabase (a freshly read file); the
// old drawing's entity names and ids go stale.
void replaceDatabase(AcDbDatabase* database, std::unique_ptr<db::Database> drawing);

// Entity names: {slot + 1, database serial}.
void nameOf(const db::Database& database, db::Slot slot, ads_name name);
// The slot a name stands for in that database; kNoSlot when the name is
// null, of another drawing or of a purged object.
db::Slot slotOf(const db::Database& database, const ads_name name);

// Interactive selection for acedSSGet with a mode other than "X" (or none):
// the shell asks the user and fills `picked` with main entities in
// selection order.  It returns RTNORM, RTCAN, RTNONE or RTERROR; the
// filter, when given, is applied afterwards by acedSSGet.
using InteractiveSelect =
    std::function<int(const ACHAR* mode, const void* pt1, const void* pt2, std::vector<db::Slot>& picked)>;
void setInteractiveSelectHook(InteractiveSelect hook);

// Selection sets are kept here; the shell may make one from slots (e.g. for
// PICKFIRST).  RTNORM when made.
int makeSelectionSet(const std::vector<db::Slot>& slots, ads_name set);
// Open selection sets (tests check that callers free theirs).
size_t openSelectionSetCount();

// What the API's database listener does on every change of an erase flag:
// tells the object's reactors synchronously.
void notifyErased(db::Database& database, db::Slot slot, bool erasing);
// What the API's database listener does when a database goes away: its
// reactors, selection sets and open block bracket are dropped.
void forgetDatabase(uint32_t serial);

} // namespace host::api
