// The host's object API over the drawing database: error statuses, object
// ids and handles, objects opened for read or write, entities, block
// references, texts, symbol tables and their records, dictionaries and
// XRECORDs, the database itself, deep cloning with an id map, and object
// reactors.
//
// Objects of the database are opened with acdbOpenObject and must be closed
// with close() (or cancel(), which also undoes the changes made since the
// open); close() deletes the C++ object.  An object made with new and never
// added to the database is deleted by its maker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "acge.h"
#include "acrx_app.h"
#include "ads_types.h"

namespace host::db {
class Database;
struct Object;
}  // namespace host::db

namespace Adesk {
typedef bool Boolean;
typedef int16_t Int16;
typedef uint16_t UInt16;
typedef int32_t Int32;
typedef uint32_t UInt32;
typedef int64_t Int64;
typedef uint8_t UInt8;
typedef intptr_t IntPtr;
constexpr Boolean kFalse = false;
constexpr Boolean kTrue = true;
}  // namespace Adesk

namespace Acad {
// Only eOk (0) and eInvalidInput (3) have values the module depends on.
enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 6,
    eInvalidOpenState = 8,
    eHandleExists = 10,
    eNullHandle = 11,
    eUnknownHandle = 13,
    eNullObjectPointer = 15,
    eNullObjectId = 16,
    eNullEntityPointer = 20,
    eIllegalEntityType = 21,
    eKeyNotFound = 22,
    eDuplicateKey = 23,
    eInvalidIndex = 24,
    eAlreadyInDb = 26,
    eInvalidExtents = 30,
    eInvalidAdsName = 31,
    eInvalidSymbolTableName = 32,
    eInvalidKey = 33,
    eWrongObjectType = 34,
    eWrongDatabase = 35,
    eNotOpenForRead = 44,
    eNotOpenForWrite = 45,
    eNotThatKindOfClass = 46,
    eInvalidBlockName = 47,
    eInvalidResBuf = 51,
    eBadDxfSequence = 52,
    eCannotNestBlockDefs = 59,
    eSelfReference = 76,
    eWasErased = 80,
    eWasOpenForWrite = 82,
    eWasOpenForRead = 83,
    eNotInDatabase = 98,
    eNoDatabase = 100,
    eBadXData = 118,
    eXdataSizeExceeded = 119,
    eRegappIdNotFound = 120,
    ePermanentlyErased = 125,
    eInvalidLayer = 126,
    eDelUnerasedObject = 131,
    eNotApplicableToThis = 150,
};
}  // namespace Acad

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };
}  // namespace AcDb

// Run-time class of the object API's classes.
class AcRxClass {
public:
    AcRxClass(const ACHAR* name, const AcRxClass* parent) : name_(name), parent_(parent) {}
    const ACHAR* name() const { return name_; }
    const AcRxClass* myParent() const { return parent_; }
    bool isDerivedFrom(const AcRxClass* other) const;

private:
    const ACHAR* name_;
    const AcRxClass* parent_;
};

// Declares the run-time class members of one class of the object API.
#define LURAK_DECLARE_MEMBERS(CLASS)                                    \
    static AcRxClass* desc();                                           \
    AcRxClass* isA() const override;                                    \
    static CLASS* cast(const AcRxObject* object) {                      \
        const AcDbObject* o = dynamic_cast<const AcDbObject*>(object);  \
        return o && o->isKindOf(desc()) ? const_cast<CLASS*>(static_cast<const CLASS*>(o)) : nullptr; \
    }

// A growable array as the platform's class templates have it.
template <class T>
class AcArray {
public:
    int length() const { return static_cast<int>(items_.size()); }
    int logicalLength() const { return length(); }
    bool isEmpty() const { return items_.empty(); }
    int append(const T& item) { items_.push_back(item); return length() - 1; }
    AcArray& removeAll() { items_.clear(); return *this; }
    AcArray& removeAt(int i) { if (i >= 0 && i < length()) items_.erase(items_.begin() + i); return *this; }
    bool contains(const T& item) const { return find(item) >= 0; }
    int find(const T& item) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == item) return static_cast<int>(i);
        return -1;
    }
    // Out-of-range indexes are the caller's fault; at() is bounds-checked.
    T& operator[](int i) { return items_.at(static_cast<size_t>(i)); }
    const T& operator[](int i) const { return items_.at(static_cast<size_t>(i)); }
    T& at(int i) { return items_.at(static_cast<size_t>(i)); }
    const T& at(int i) const { return items_.at(static_cast<size_t>(i)); }
    const T* asArrayPtr() const { return items_.data(); }

private:
    std::vector<T> items_;
};

// An object's handle: a 64-bit number written as upper-case hex.
class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(uint64_t value) : value_(value) {}
    explicit AcDbHandle(const ACHAR* hexText);  // null handle when not hex
    bool isNull() const { return value_ == 0; }
    uint64_t value() const { return value_; }
    // Writes the hex text (at most 16 digits and a zero) into buffer.
    bool getIntoAsciiBuffer(ACHAR* buffer, size_t size = 17) const;
    bool operator==(const AcDbHandle& h) const { return value_ == h.value_; }
    bool operator!=(const AcDbHandle& h) const { return value_ != h.value_; }

private:
    uint64_t value_ = 0;
};

class AcDbDatabase;
class AcDbObject;

// Names one object of one open drawing: the database's serial and the
// object's slot, the same two words as its ads_name.
class AcDbObjectId {
public:
    AcDbObjectId() = default;
    static const AcDbObjectId kNull;

    bool isNull() const { return slot_ == 0; }
    // Names a live object (not purged) of an open database.
    bool isValid() const;
    bool isErased() const;
    AcDbDatabase* database() const;
    AcDbHandle handle() const;
    long asOldId() const { return slot_; }

    bool operator==(const AcDbObjectId& o) const { return serial_ == o.serial_ && slot_ == o.slot_; }
    bool operator!=(const AcDbObjectId& o) const { return !(*this == o); }
    bool operator<(const AcDbObjectId& o) const {
        return serial_ != o.serial_ ? serial_ < o.serial_ : slot_ < o.slot_;
    }

    // Host side: the words are {slot + 1, database serial}, as in ads_name.
    AcDbObjectId(long slotPlusOne, long serial) : slot_(slotPlusOne), serial_(serial) {}
    long slotWord() const { return slot_; }
    long serialWord() const { return serial_; }

private:
    long slot_ = 0;
    long serial_ = 0;
};

typedef AcArray<AcDbObjectId> AcDbObjectIdArray;

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id);

// Colour by ACI number: 0 BYBLOCK, 256 BYLAYER, 1..255.
class AcCmColor {
public:
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 index);
    Adesk::UInt16 colorIndex() const { return index_; }
    bool isByLayer() const { return index_ == 256; }
    bool isByBlock() const { return index_ == 0; }
    Acad::ErrorStatus setByLayer() { index_ = 256; return Acad::eOk; }
    Acad::ErrorStatus setByBlock() { index_ = 0; return Acad::eOk; }

private:
    Adesk::UInt16 index_ = 256;
};

class AcDbExtents {
public:
    AcDbExtents() = default;
    AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : min_(min), max_(max) {}
    const AcGePoint3d& minPoint() const { return min_; }
    const AcGePoint3d& maxPoint() const { return max_; }
    void set(const AcGePoint3d& min, const AcGePoint3d& max) { min_ = min; max_ = max; }
    void addPoint(const AcGePoint3d& p);
    void addExt(const AcDbExtents& other);

private:
    AcGePoint3d min_{1e300, 1e300, 1e300};
    AcGePoint3d max_{-1e300, -1e300, -1e300};
};

// Notifications about one object.  Every notification does nothing unless
// overridden.  The host tells erased(obj, true) synchronously whenever the
// object is erased, however it happens, and erased(obj, false) when it is
// un-erased; the object is open for notify (read) during the call.
class AcDbObjectReactor : public AcRxObject {
public:
    virtual void cancelled(const AcDbObject*) {}
    virtual void copied(const AcDbObject*, const AcDbObject*) {}
    virtual void erased(const AcDbObject*, Adesk::Boolean /*erasing*/ = true) {}
    virtual void goodbye(const AcDbObject*) {}
    virtual void openedForModify(const AcDbObject*) {}
    virtual void modified(const AcDbObject*) {}
};

class AcDbObjectImpl;

class AcDbObject : public AcRxObject {
public:
    virtual ~AcDbObject();
    static AcRxClass* desc();
    virtual AcRxClass* isA() const;
    bool isKindOf(const AcRxClass* cls) const;
    static AcDbObject* cast(const AcRxObject* object) {
        return const_cast<AcDbObject*>(dynamic_cast<const AcDbObject*>(object));
    }

    AcDbObjectId objectId() const;
    AcDbObjectId ownerId() const;
    AcDbDatabase* database() const;
    void getAcDbHandle(AcDbHandle& handle) const;

    // Ends the open (and deletes this C++ object) for a database-resident
    // object.  For an object never added to a database it fails with
    // eNotInDatabase and the maker deletes it.
    Acad::ErrorStatus close();
    // Ends the open and restores the object as it was when opened.
    Acad::ErrorStatus cancel();
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus downgradeOpen();
    bool isReadEnabled() const;
    bool isWriteEnabled() const;
    bool isNotifyEnabled() const;
    bool isErased() const;
    bool isNewObject() const;  // not yet in a database

    // Sets or clears the erase flag (needs the object open for write).
    Acad::ErrorStatus erase(Adesk::Boolean erasing = true);

    // The XDATA of one application (all when app is null), as a list that
    // starts with its 1001 group; null when there is none.  The caller
    // releases it with acutRelRb.
    resbuf* xData(const ACHAR* app = nullptr) const;
    // Replaces the XDATA of each application the list names (a 1001 with
    // no data removes that application's XDATA); the others stay.
    Acad::ErrorStatus setXData(const resbuf* xdata);

    void addReactor(AcDbObjectReactor* reactor) const;
    void removeReactor(AcDbObjectReactor* reactor) const;

    // Host side.
    AcDbObjectImpl* impl() const { return impl_.get(); }

protected:
    // A new object not in any database, of the given type ("INSERT").
    explicit AcDbObject(const char* type);
    // Internal: wraps an open database object.
    explicit AcDbObject(AcDbObjectImpl* impl);
    Acad::ErrorStatus assertReadEnabled() const;
    Acad::ErrorStatus assertWriteEnabled() const;

private:
    friend class AcDbObjectImpl;
    std::unique_ptr<AcDbObjectImpl> impl_;
};

class AcDbEntity : public AcDbObject {
public:
    LURAK_DECLARE_MEMBERS(AcDbEntity)

    // Names are returned as new strings the caller frees with acutDelString.
    ACHAR* layer() const;
    AcDbObjectId layerId() const;
    // The layer must exist (eKeyNotFound otherwise).
    Acad::ErrorStatus setLayer(const ACHAR* name);
    Acad::ErrorStatus setLayer(AcDbObjectId layerId);
    ACHAR* linetype() const;
    AcDbObjectId linetypeId() const;
    Acad::ErrorStatus setLinetype(const ACHAR* name);
    Acad::ErrorStatus setLinetype(AcDbObjectId linetypeId);
    Adesk::UInt16 colorIndex() const;
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 index);
    AcCmColor color() const;
    Acad::ErrorStatus setColor(const AcCmColor& color);
    // The block (space or definition) the entity lies in.
    AcDbObjectId blockId() const;

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& m);
    // World bounding box; eInvalidExtents for an entity without extents.
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;

protected:
    explicit AcDbEntity(const char* type) : AcDbObject(type) {}
    explicit AcDbEntity(AcDbObjectImpl* impl) : AcDbObject(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbBlockReference : public AcDbEntity {
public:
    LURAK_DECLARE_MEMBERS(AcDbBlockReference)
    AcDbBlockReference();
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);

    AcDbObjectId blockTableRecord() const;
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId block);
    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& p);
    double rotation() const;
    Acad::ErrorStatus setRotation(double radians);
    AcGeScale3d scaleFactors() const;
    Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    AcGeVector3d normal() const;
    // Block coordinates to world: moves the block's origin to the insertion
    // point after scaling and rotating.
    AcGeMatrix3d blockTransform() const;

protected:
    explicit AcDbBlockReference(AcDbObjectImpl* impl) : AcDbEntity(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbText : public AcDbEntity {
public:
    LURAK_DECLARE_MEMBERS(AcDbText)
    AcDbText();
    AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
             double height = 0.0, double rotation = 0.0);

    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& p);
    AcGePoint3d alignmentPoint() const;
    Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& p);
    double height() const;
    Acad::ErrorStatus setHeight(double height);
    double rotation() const;
    Acad::ErrorStatus setRotation(double radians);
    ACHAR* textString() const;  // new string; free with acutDelString
    Acad::ErrorStatus setTextString(const ACHAR* text);
    AcDbObjectId textStyle() const;
    Acad::ErrorStatus setTextStyle(AcDbObjectId style);
    int horizontalMode() const;  // group 72
    Acad::ErrorStatus setHorizontalMode(int mode);
    int verticalMode() const;  // group 73
    Acad::ErrorStatus setVerticalMode(int mode);

protected:
    explicit AcDbText(AcDbObjectImpl* impl) : AcDbEntity(impl) {}
    friend class AcDbObjectImpl;
};

// ---------------------------------------------------------------------------
// Symbol tables.

class AcDbSymbolTableRecord : public AcDbObject {
public:
    LURAK_DECLARE_MEMBERS(AcDbSymbolTableRecord)
    // A pointer valid while the record stays open.
    Acad::ErrorStatus getName(const ACHAR*& name) const;
    // A new string the caller frees with acutDelString.
    Acad::ErrorStatus getName(ACHAR*& name) const;
    // Refuses names that are empty, too long (255) or hold <>/\":;?*|,=`
    // with eInvalidInput; a name taken in the table: eDuplicateKey.
    Acad::ErrorStatus setName(const ACHAR* name);
    bool isDependent() const { return false; }

protected:
    explicit AcDbSymbolTableRecord(const char* type) : AcDbObject(type) {}
    explicit AcDbSymbolTableRecord(AcDbObjectImpl* impl) : AcDbObject(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbSymbolTableIterator {
public:
    ~AcDbSymbolTableIterator() = default;
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                                bool openErased = false) const;

private:
    friend class AcDbSymbolTable;
    AcDbSymbolTableIterator(AcDbDatabase* db, int table, bool skipDeleted);
    void skip(bool forward);
    AcDbDatabase* db_;
    int table_;
    bool skipDeleted_;
    long index_ = 0;
};

class AcDbSymbolTable : public AcDbObject {
public:
    LURAK_DECLARE_MEMBERS(AcDbSymbolTable)
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id, bool getErased = false) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    bool has(const ACHAR* name) const;
    bool has(AcDbObjectId id) const;
    // Adds a new record (needs the table open for write); the table takes
    // it over: close the record afterwards.
    Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;

protected:
    explicit AcDbSymbolTable(AcDbObjectImpl* impl) : AcDbObject(impl) {}
    friend class AcDbObjectImpl;
};

// Each table and record class: the table's getAt gives its own record type.
#define LURAK_SYMBOL_TABLE(TABLE, RECORD, TYPE)                                              \
    class RECORD;                                                                             \
    class TABLE : public AcDbSymbolTable {                                                    \
    public:                                                                                   \
        LURAK_DECLARE_MEMBERS(TABLE)                                                          \
        using AcDbSymbolTable::getAt;                                                         \
        Acad::ErrorStatus getAt(const ACHAR* name, RECORD*& record, AcDb::OpenMode mode,      \
                                bool openErased = false) const;                               \
                                                                                              \
    protected:                                                                                \
        explicit TABLE(AcDbObjectImpl* impl) : AcDbSymbolTable(impl) {} \
        friend class AcDbObjectImpl;                                                          \
    };

LURAK_SYMBOL_TABLE(AcDbBlockTable, AcDbBlockTableRecord, "BLOCK_RECORD")
LURAK_SYMBOL_TABLE(AcDbLayerTable, AcDbLayerTableRecord, "LAYER")
LURAK_SYMBOL_TABLE(AcDbLinetypeTable, AcDbLinetypeTableRecord, "LTYPE")
LURAK_SYMBOL_TABLE(AcDbTextStyleTable, AcDbTextStyleTableRecord, "STYLE")
LURAK_SYMBOL_TABLE(AcDbDimStyleTable, AcDbDimStyleTableRecord, "DIMSTYLE")
LURAK_SYMBOL_TABLE(AcDbRegAppTable, AcDbRegAppTableRecord, "APPID")

#define ACDB_MODEL_SPACE L"*Model_Space"
#define ACDB_PAPER_SPACE L"*Paper_Space"

class AcDbBlockTableRecordIterator {
public:
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode = AcDb::kForRead,
                                bool openErased = false) const;

private:
    friend class AcDbBlockTableRecord;
    AcDbBlockTableRecordIterator(AcDbDatabase* db, long recordSlot, bool skipDeleted);
    void skip(bool forward);
    AcDbDatabase* db_;
    long record_;
    bool skipDeleted_;
    long index_ = 0;
};

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbBlockTableRecord)
    AcDbBlockTableRecord();

    // Adds a new entity at the end of the block (the record must be open for
    // write and in the database); the entity stays open for write.
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
    AcGePoint3d origin() const;
    Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
    bool isAnonymous() const;
    bool isLayout() const;

protected:
    explicit AcDbBlockTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbLayerTableRecord)
    AcDbLayerTableRecord();
    AcCmColor color() const;
    Acad::ErrorStatus setColor(const AcCmColor& color);
    AcDbObjectId linetypeObjectId() const;
    Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId linetype);
    bool isFrozen() const;
    bool isOff() const;
    bool isLocked() const;
    Acad::ErrorStatus setIsFrozen(bool frozen);
    Acad::ErrorStatus setIsOff(bool off);
    Acad::ErrorStatus setIsLocked(bool locked);

protected:
    explicit AcDbLayerTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbLinetypeTableRecord)
    AcDbLinetypeTableRecord();

protected:
    explicit AcDbLinetypeTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbTextStyleTableRecord)
    AcDbTextStyleTableRecord();
    double textSize() const;
    Acad::ErrorStatus setTextSize(double size);

protected:
    explicit AcDbTextStyleTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

// A dimension style.  Its variables are kept as groups of the record; the
// few the host reads have accessors.
class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbDimStyleTableRecord)
    AcDbDimStyleTableRecord();
    double dimasz() const;  // arrow size (41)
    double dimtxt() const;  // text height (140)
    double dimexo() const;  // extension-line offset (42)
    double dimexe() const;  // extension-line extension (44)
    double dimgap() const;  // text gap (147)
    double dimscale() const;  // overall scale (40)
    Acad::ErrorStatus setDimasz(double v);
    Acad::ErrorStatus setDimtxt(double v);

protected:
    explicit AcDbDimStyleTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
public:
    LURAK_DECLARE_MEMBERS(AcDbRegAppTableRecord)
    AcDbRegAppTableRecord();

protected:
    explicit AcDbRegAppTableRecord(AcDbObjectImpl* impl)
        : AcDbSymbolTableRecord(impl) {}
    friend class AcDbObjectImpl;
};

// ---------------------------------------------------------------------------
// Dictionaries and XRECORDs.

class AcDbDictionary : public AcDbObject {
public:
    LURAK_DECLARE_MEMBERS(AcDbDictionary)
    AcDbDictionary();
    Acad::ErrorStatus getAt(const ACHAR* key, AcDbObjectId& id) const;
    Acad::ErrorStatus getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const;
    bool has(const ACHAR* key) const;
    int numEntries() const;
    // Adds a new object (added to the database) or a resident unowned one.
    Acad::ErrorStatus setAt(const ACHAR* key, AcDbObject* object, AcDbObjectId& id);
    Acad::ErrorStatus remove(const ACHAR* key);

protected:
    explicit AcDbDictionary(AcDbObjectImpl* impl) : AcDbObject(impl) {}
    friend class AcDbObjectImpl;
};

class AcDbXrecord : public AcDbObject {
public:
    LURAK_DECLARE_MEMBERS(AcDbXrecord)
    AcDbXrecord();
    // The data groups (after 100 and 280) as a new list; release with acutRelRb.
    Acad::ErrorStatus rbChain(resbuf** chain) const;
    Acad::ErrorStatus setFromRbChain(const resbuf& chain);

protected:
    explicit AcDbXrecord(AcDbObjectImpl* impl) : AcDbObject(impl) {}
    friend class AcDbObjectImpl;
};

// ---------------------------------------------------------------------------
// Deep cloning.

class AcDbIdPair {
public:
    AcDbIdPair() = default;
    AcDbIdPair(AcDbObjectId key, AcDbObjectId value, bool isCloned, bool isPrimary = false,
               bool isOwnerXlated = true)
        : key_(key), value_(value), cloned_(isCloned), primary_(isPrimary), ownerXlated_(isOwnerXlated) {}
    AcDbObjectId key() const { return key_; }
    AcDbObjectId value() const { return value_; }
    bool isCloned() const { return cloned_; }
    bool isPrimary() const { return primary_; }
    bool isOwnerXlated() const { return ownerXlated_; }
    void setKey(AcDbObjectId id) { key_ = id; }
    void setValue(AcDbObjectId id) { value_ = id; }
    void setIsCloned(bool b) { cloned_ = b; }
    void setIsPrimary(bool b) { primary_ = b; }

private:
    AcDbObjectId key_, value_;
    bool cloned_ = false, primary_ = false, ownerXlated_ = true;
};

class AcDbIdMapping {
public:
    AcDbIdMapping() = default;
    // Adds or replaces the pair of pair.key().
    Acad::ErrorStatus assign(const AcDbIdPair& pair);
    // Fills pair's value and flags from the pair of pair.key(); false when absent.
    bool compute(AcDbIdPair& pair) const;
    bool del(AcDbObjectId key);
    AcDbDatabase* destDb() const { return dest_; }
    AcDbDatabase* origDb() const { return orig_; }
    int size() const { return static_cast<int>(pairs_.size()); }

private:
    friend class AcDbIdMappingIter;
    friend class AcDbDatabase;
    std::vector<AcDbIdPair> pairs_;
    AcDbDatabase* dest_ = nullptr;
    AcDbDatabase* orig_ = nullptr;
};

class AcDbIdMappingIter {
public:
    explicit AcDbIdMappingIter(const AcDbIdMapping& mapping) : mapping_(mapping) {}
    Acad::ErrorStatus iterateOn(const AcDbIdMapping&) { index_ = 0; return Acad::eOk; }
    void start() { index_ = 0; }
    bool getMap(AcDbIdPair& pair) const;
    bool next() { ++index_; return !done(); }
    bool done() const { return index_ >= mapping_.pairs_.size(); }

private:
    const AcDbIdMapping& mapping_;
    size_t index_ = 0;
};

// ---------------------------------------------------------------------------
// The database.

class AcDbDatabase : public AcRxObject {
public:
    // A new drawing from the host's template (or an empty one).
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode = AcDb::kForRead);
    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode = AcDb::kForRead);
    AcDbObjectId namedObjectsDictionaryId() const;
    AcDbObjectId blockTableId() const;
    AcDbObjectId layerTableId() const;

    AcDbObjectId byLayerLinetype() const;
    AcDbObjectId byBlockLinetype() const;
    AcDbObjectId continuousLinetype() const;
    AcDbObjectId clayer() const;
    Acad::ErrorStatus setClayer(AcDbObjectId layer);
    AcDbObjectId textstyle() const;
    Acad::ErrorStatus setTextstyle(AcDbObjectId style);
    AcDbObjectId dimstyle() const;
    Acad::ErrorStatus setDimstyle(AcDbObjectId style);
    // A copy of the current dimension style's data, not in the database;
    // the caller deletes it.
    Acad::ErrorStatus getDimstyleData(AcDbDimStyleTableRecord*& record) const;
    Acad::ErrorStatus setDimstyleData(AcDbDimStyleTableRecord* record);
    Acad::ErrorStatus setDimstyleData(AcDbObjectId style);

    // The live or erased object of a handle.
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle);

    // Copies the objects (with what they own) into owner, a block table
    // record of this database; fills the id map with a pair per copied
    // object (the given ones primary).  References among the copies, 330-369
    // groups and XDATA 1005 handles, are translated to the copies.
    Acad::ErrorStatus deepCloneObjects(AcDbObjectIdArray& ids, AcDbObjectId& owner, AcDbIdMapping& idMap,
                                       bool deferXlation = false);

    // Host side: the drawing inside.
    host::db::Database* hostDatabase() const { return db_.get(); }
    void replaceHostDatabase(std::unique_ptr<host::db::Database> db);

private:
    std::unique_ptr<host::db::Database> db_;
};

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false);
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

// Opens an object as a class; eNotThatKindOfClass when it is not one.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
    object = nullptr;
    AcDbObject* any = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(any, id, mode, openErased);
    if (es != Acad::eOk) return es;
    object = T::cast(any);
    if (object == nullptr) {
        any->close();
        return Acad::eNotThatKindOfClass;
    }
    return Acad::eOk;
}

// Frees a string the object API gave out and sets the pointer to null.
void acutDelString(ACHAR*& text);
