// The current drawing and entity names.
#include "acdb_objects.h"
#include "api/host_api.h"
#include "api/lists.h"

namespace host::api {

namespace {
// A database that goes away stops being current (forgetCurrent).
db::Database* currentPointer = nullptr;
} // namespace

void setCurrentDatabase(db::Database* database) { currentPointer = database; }

db::Database* currentDatabase() { return currentPointer; }

void forgetCurrent(uint32_t serial) {
    if (currentPointer && currentPointer->serial() == serial) currentPointer = nullptr;
}

db::Database* current() { return currentDatabase(); }

void setCurrentDatabase(AcDbDatabase* database) { setCurrentDatabase(databaseOf(database)); }

db::Database* databaseOf(AcDbDatabase* database) { return database ? database->hostDatabase() : nullptr; }

void replaceDatabase(AcDbDatabase* database, std::unique_ptr<db::Database> drawing) {
    if (database == nullptr || drawing == nullptr) return;
    bool wasCurrent = currentDatabase() == database->hostDatabase();
    database->replaceHostDatabase(std::move(drawing));
    if (wasCurrent) setCurrentDatabase(database->hostDatabase());
}

void nameOf(const db::Database& database, db::Slot slot, ads_name name) {
    name[0] = static_cast<long>(slot) + 1;
    name[1] = static_cast<long>(database.serial());
}

db::Slot slotOf(const db::Database& database, const ads_name name) {
    if (name == nullptr || name[0] <= 0 || name[1] != static_cast<long>(database.serial())) return db::kNoSlot;
    if (static_cast<unsigned long>(name[0]) > database.slotCount()) return db::kNoSlot;
    db::Slot slot = static_cast<db::Slot>(name[0] - 1);
    return database.object(slot) ? slot : db::kNoSlot;
}

} // namespace host::api
