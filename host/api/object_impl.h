// The state behind an AcDbObject: either a view of an object of a
// database, opened in a mode, or a new object's own record until it is
// added to a database.
#pragma once

#include <string>
#include <vector>

#include "acdb_objects.h"
#include "db/database.h"

class AcDbObjectImpl {
public:
    // A new object of the given type, in no database.
    explicit AcDbObjectImpl(const char* type, host::db::ObjectClass cls);
    // A view of a database object.
    AcDbObjectImpl(host::db::Database& db, host::db::Slot slot, AcDb::OpenMode mode);

    bool resident() const { return serial_ != 0; }
    host::db::Database* database() const;
    host::db::Slot slot() const { return slot_; }
    // The record: the database's (null when it went away) or the own one.
    host::db::Object* object();
    const host::db::Object* object() const { return const_cast<AcDbObjectImpl*>(this)->object(); }
    AcDb::OpenMode mode() const { return mode_; }
    bool isOpen() const { return open_; }

    // Opens an object as its class (AcDbBlockReference for an INSERT, ...).
    static Acad::ErrorStatus open(AcDbObject*& object, host::db::Database& db, host::db::Slot slot,
                                  AcDb::OpenMode mode, bool openErased);
    // A view for telling reactors; not counted as an open.
    static AcDbObject* wrapForNotify(host::db::Database& db, host::db::Slot slot);
    // Makes a new object resident after it was stored in slot; it stays open
    // for write.
    void becomeResident(host::db::Database& db, host::db::Slot slot);
    // Ends the open (close or cancel).
    void endOpen(bool restore);
    Acad::ErrorStatus upgrade();
    Acad::ErrorStatus downgrade();

    // ---- helpers of the object classes
    bool readable() const { return !resident() || (open_ && object() != nullptr); }
    bool writable() const { return !resident() || (open_ && mode_ == AcDb::kForWrite && object() != nullptr); }
    const host::db::Group* group(int code) const;
    std::string_view text(int code) const;
    double real(int code, double fallback) const;
    int64_t integer(int code, int64_t fallback) const;
    AcGePoint3d point(int code) const;
    // Sets (replaces or adds) a body group and puts the body back in order.
    Acad::ErrorStatus set(host::db::Group g);
    Acad::ErrorStatus remove(int code);
    // The id of the record a name group refers to in a table.
    AcDbObjectId recordId(host::db::Table table, int code) const;
    AcDbObjectId idOf(host::db::Slot slot) const;

    // Reactors attached before the object was added to a database.
    std::vector<AcDbObjectReactor*> pendingReactors;
    // A new block record's origin until its BLOCK object exists.
    AcGePoint3d pendingOrigin;
    // Text handed out by pointer (getName), valid while open.
    std::wstring nameCache;

private:
    void canonicalize();

    uint32_t serial_ = 0;
    host::db::Slot slot_ = host::db::kNoSlot;
    AcDb::OpenMode mode_ = AcDb::kForWrite;
    bool open_ = false;
    bool counted_ = false;
    host::db::GroupList backup_;
    bool backupErased_ = false;
    host::db::Object own_;
};

namespace host::api {
// The database and slot an id stands for; false when stale.
bool resolveId(AcDbObjectId id, db::Database*& db, db::Slot& slot);
AcDbObjectId idOf(const db::Database& db, db::Slot slot);
// Reactors of an object.
std::vector<AcDbObjectReactor*>* reactorsOf(uint32_t serial, db::Slot slot, bool create);
} // namespace host::api
