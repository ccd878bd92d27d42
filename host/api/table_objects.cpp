// Symbol tables, their records and iterators in the object API.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "api/entity_rules.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"
#include "db/canonical.h"
#include "io/io.h"

using namespace host;
using db::Group;
using db::GroupList;

namespace {

// The table an open table object stands for.
bool tableOfHead(const AcDbObjectImpl* impl, db::Table& table) {
    const db::Object* o = impl->object();
    return o && db::tableByName(db::groupText(*o, 2), table);
}

bool tableOfRecordType(std::string_view type, db::Table& table) { return db::tableByName(type, table); }

// Stores a new block's BLOCK and ENDBLK and makes the block; false when
// they could not be stored.
bool makeBlockObjects(db::Database& db, db::Slot record, std::string_view name, const AcGePoint3d& origin) {
    db.addBlock(record);
    bool anonymous = name.starts_with("*");
    GroupList input{Group::text(8, "0"), Group::text(2, name), Group::integer(70, anonymous ? 1 : 0),
                    Group::point(10, origin.x, origin.y, origin.z), Group::text(3, name), Group::text(1, "")};
    GroupList body;
    std::string error;
    db::canonicalBody("BLOCK", input, body, error);
    db::Slot begin = api::storeObject(db, "BLOCK", db::ObjectClass::BlockBegin, std::move(body));
    db::Slot end = api::storeObject(db, "ENDBLK", db::ObjectClass::BlockEnd,
                                    {Group::text(100, "AcDbEntity"), Group::text(8, "0"), Group::text(100, "AcDbBlockEnd")});
    if (begin == db::kNoSlot || end == db::kNoSlot) return false;
    db.setBlockObjects(record, begin, end);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// AcDbSymbolTableRecord.

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& name) const {
    if (!impl()->readable()) return Acad::eNotOpenForRead;
    impl()->nameCache = io::fromUtf8(impl()->text(2));
    name = impl()->nameCache.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& name) const {
    if (!impl()->readable()) return Acad::eNotOpenForRead;
    name = api::newWide(impl()->text(2));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    std::string n = api::narrow(name);
    const db::Object* o = impl()->object();
    bool anonymousOk = o->isType("BLOCK_RECORD");
    if (name == nullptr || !api::validSymbolName(n, anonymousOk)) return Acad::eInvalidInput;
    db::Database* db = impl()->database();
    if (db == nullptr) return impl()->set(Group::text(2, n));
    db::Table table;
    if (!tableOfRecordType(o->typeName(), table)) return Acad::eNotApplicable;
    return db->renameRecord(table, impl()->slot(), n) ? Acad::eOk : Acad::eDuplicateKey;
}

#define LURAK_RECORD_CONSTRUCTOR(CLASS, TYPE) \
    CLASS::CLASS() : AcDbSymbolTableRecord(TYPE) {}

LURAK_RECORD_CONSTRUCTOR(AcDbLayerTableRecord, "LAYER")
LURAK_RECORD_CONSTRUCTOR(AcDbLinetypeTableRecord, "LTYPE")
LURAK_RECORD_CONSTRUCTOR(AcDbTextStyleTableRecord, "STYLE")
LURAK_RECORD_CONSTRUCTOR(AcDbDimStyleTableRecord, "DIMSTYLE")
LURAK_RECORD_CONSTRUCTOR(AcDbRegAppTableRecord, "APPID")
LURAK_RECORD_CONSTRUCTOR(AcDbBlockTableRecord, "BLOCK_RECORD")

AcCmColor AcDbLayerTableRecord::color() const {
    AcCmColor c;
    c.setColorIndex(static_cast<Adesk::UInt16>(std::abs(impl()->integer(62, 7))));
    return c;
}

Acad::ErrorStatus AcDbLayerTableRecord::setColor(const AcCmColor& color) {
    int index = color.colorIndex();
    if (index < 1 || index > 255) return Acad::eInvalidInput;  // a layer has a true colour number
    return impl()->set(Group::integer(62, isOff() ? -index : index));
}

AcDbObjectId AcDbLayerTableRecord::linetypeObjectId() const { return impl()->recordId(db::Table::Ltype, 6); }

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId linetype) {
    db::Database* db;
    db::Slot slot;
    if (!api::resolveId(linetype, db, slot) || !db->object(slot)->isType("LTYPE")) return Acad::eWrongObjectType;
    return impl()->set(Group::text(6, db::groupText(*db->object(slot), 2)));
}

bool AcDbLayerTableRecord::isFrozen() const { return (impl()->integer(70, 0) & 1) != 0; }
bool AcDbLayerTableRecord::isLocked() const { return (impl()->integer(70, 0) & 4) != 0; }
bool AcDbLayerTableRecord::isOff() const { return impl()->integer(62, 7) < 0; }

namespace {
Acad::ErrorStatus setFlag(AcDbObjectImpl* impl, int bit, bool on) {
    int64_t flags = impl->integer(70, 0);
    return impl->set(Group::integer(70, on ? flags | bit : flags & ~bit));
}
} // namespace

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) { return setFlag(impl(), 1, frozen); }
Acad::ErrorStatus AcDbLayerTableRecord::setIsLocked(bool locked) { return setFlag(impl(), 4, locked); }
Acad::ErrorStatus AcDbLayerTableRecord::setIsOff(bool off) {
    int64_t c = std::abs(impl()->integer(62, 7));
    return impl()->set(Group::integer(62, off ? -c : c));
}

double AcDbTextStyleTableRecord::textSize() const { return impl()->real(40, 0); }
Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
    return size >= 0 ? impl()->set(Group::real(40, size)) : Acad::eInvalidInput;
}

double AcDbDimStyleTableRecord::dimasz() const { return impl()->real(41, 2.5); }
double AcDbDimStyleTableRecord::dimtxt() const { return impl()->real(140, 2.5); }
double AcDbDimStyleTableRecord::dimexo() const { return impl()->real(42, 0.625); }
double AcDbDimStyleTableRecord::dimexe() const { return impl()->real(44, 1.25); }
double AcDbDimStyleTableRecord::dimgap() const { return impl()->real(147, 0.625); }
double AcDbDimStyleTableRecord::dimscale() const { return impl()->real(40, 1.0); }
Acad::ErrorStatus AcDbDimStyleTableRecord::setDimasz(double v) { return impl()->set(Group::real(41, v)); }
Acad::ErrorStatus AcDbDimStyleTableRecord::setDimtxt(double v) { return impl()->set(Group::real(140, v)); }

// ---------------------------------------------------------------------------
// AcDbBlockTableRecord.

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    id = AcDbObjectId();
    if (entity == nullptr) return Acad::eNullEntityPointer;
    if (!impl()->resident()) return Acad::eNotInDatabase;
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    if (entity->impl()->resident()) return Acad::eAlreadyInDb;
    db::Database* db = impl()->database();
    const db::Object* own = entity->impl()->object();
    std::string type(own->typeName());
    size_t xb = db::xdataBegin(*own);
    GroupList input(own->groups.begin(), own->groups.begin() + static_cast<ptrdiff_t>(xb));
    GroupList body;
    std::vector<std::string> layers;
    std::string error;
    if (!api::prepareBody(*db, type, input, body, layers, error)) {
        api::setError(error);
        return Acad::eInvalidInput;
    }
    if (type == "INSERT") {  // a block must not contain itself
        db::Object view;
        view.groups = body;
        if (db::equalNoCase(db::groupText(view, 2), impl()->text(2))) return Acad::eSelfReference;
    }
    body.insert(body.end(), own->groups.begin() + static_cast<ptrdiff_t>(xb), own->groups.end());
    db::Slot mark = db->slotCount();
    db::Slot slot = api::createLayers(*db, layers)
                        ? api::storeObject(*db, type, db::ObjectClass::Entity, std::move(body))
                        : db::kNoSlot;
    if (slot == db::kNoSlot) {
        db->purgeSince(mark);  // the layers made for it
        return Acad::eOutOfMemory;
    }
    db->appendEntity(impl()->slot(), slot);
    entity->impl()->becomeResident(*db, slot);
    id = api::idOf(*db, slot);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning,
                                                    bool skipDeleted) const {
    iterator = nullptr;
    db::Database* db = impl()->database();
    if (db == nullptr || !impl()->readable()) return Acad::eNotInDatabase;
    iterator = new AcDbBlockTableRecordIterator(db->facade(), static_cast<long>(impl()->slot()), skipDeleted);
    iterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}

AcGePoint3d AcDbBlockTableRecord::origin() const {
    db::Database* db = impl()->database();
    if (db == nullptr) return impl()->pendingOrigin;
    const db::Block* b = db->block(impl()->slot());
    const db::Object* begin = b ? db->object(b->begin) : nullptr;
    const Group* g = begin ? db::findGroup(*begin, 10) : nullptr;
    return g ? AcGePoint3d(g->asPoint()[0], g->asPoint()[1], g->asPoint()[2]) : AcGePoint3d();
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& origin) {
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    if (!std::isfinite(origin.x) || !std::isfinite(origin.y) || !std::isfinite(origin.z)) return Acad::eInvalidInput;
    db::Database* db = impl()->database();
    if (db == nullptr) {
        impl()->pendingOrigin = origin;
        return Acad::eOk;
    }
    const db::Block* b = db->block(impl()->slot());
    db::Object* begin = b ? db->object(b->begin) : nullptr;
    Group* g = begin ? db::findGroup(*begin, 10) : nullptr;
    if (g == nullptr) return Acad::eNotApplicable;
    *g = Group::point(10, origin.x, origin.y, origin.z);
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isAnonymous() const { return impl()->text(2).starts_with("*U") || impl()->text(2).starts_with("*u"); }

bool AcDbBlockTableRecord::isLayout() const {
    std::string_view n = impl()->text(2);
    return db::equalNoCase(n, "*Model_Space") || db::equalNoCase(n, "*Paper_Space");
}

// ---------------------------------------------------------------------------
// Iterators.

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(AcDbDatabase* db, long recordSlot, bool skipDeleted)
    : db_(db), record_(recordSlot), skipDeleted_(skipDeleted) {}

namespace {
const db::Block* blockOf(AcDbDatabase* facade, long record) {
    db::Database* db = facade ? facade->hostDatabase() : nullptr;
    return db ? db->block(static_cast<db::Slot>(record)) : nullptr;
}

bool liveOrAll(db::Database* db, db::Slot slot, bool skipDeleted) {
    const db::Object* o = db->object(slot);
    return o && (!skipDeleted || !o->erased);
}
} // namespace

void AcDbBlockTableRecordIterator::skip(bool forward) {
    const db::Block* b = blockOf(db_, record_);
    if (b == nullptr) return;
    db::Database* db = db_->hostDatabase();
    long n = static_cast<long>(b->entities.size());
    while (index_ >= 0 && index_ < n && !liveOrAll(db, b->entities[static_cast<size_t>(index_)], skipDeleted_))
        index_ += forward ? 1 : -1;
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
    const db::Block* b = blockOf(db_, record_);
    skipDeleted_ = skipDeleted;
    index_ = atBeginning || b == nullptr ? 0 : static_cast<long>(b->entities.size()) - 1;
    skip(atBeginning);
}

bool AcDbBlockTableRecordIterator::done() const {
    const db::Block* b = blockOf(db_, record_);
    return b == nullptr || index_ < 0 || index_ >= static_cast<long>(b->entities.size());
}

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
    skipDeleted_ = skipDeleted;
    index_ += forward ? 1 : -1;
    skip(forward);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
    if (done()) return Acad::eInvalidIndex;
    id = api::idOf(*db_->hostDatabase(), blockOf(db_, record_)->entities[static_cast<size_t>(index_)]);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
    entity = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getEntityId(id);
    return es == Acad::eOk ? acdbOpenAcDbEntity(entity, id, mode, openErased) : es;
}

AcDbSymbolTableIterator::AcDbSymbolTableIterator(AcDbDatabase* db, int table, bool skipDeleted)
    : db_(db), table_(table), skipDeleted_(skipDeleted) {}

namespace {
const std::vector<db::Slot>* recordsOf(AcDbDatabase* facade, int table) {
    db::Database* db = facade ? facade->hostDatabase() : nullptr;
    return db && table >= 0 && table < static_cast<int>(db::kTableCount) ? &db->records(static_cast<db::Table>(table))
                                                                          : nullptr;
}
} // namespace

void AcDbSymbolTableIterator::skip(bool forward) {
    const std::vector<db::Slot>* list = recordsOf(db_, table_);
    if (list == nullptr) return;
    long n = static_cast<long>(list->size());
    while (index_ >= 0 && index_ < n && !liveOrAll(db_->hostDatabase(), (*list)[static_cast<size_t>(index_)], skipDeleted_))
        index_ += forward ? 1 : -1;
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
    const std::vector<db::Slot>* list = recordsOf(db_, table_);
    skipDeleted_ = skipDeleted;
    index_ = atBeginning || list == nullptr ? 0 : static_cast<long>(list->size()) - 1;
    skip(atBeginning);
}

bool AcDbSymbolTableIterator::done() const {
    const std::vector<db::Slot>* list = recordsOf(db_, table_);
    return list == nullptr || index_ < 0 || index_ >= static_cast<long>(list->size());
}

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
    skipDeleted_ = skipDeleted;
    index_ += forward ? 1 : -1;
    skip(forward);
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
    if (done()) return Acad::eInvalidIndex;
    id = api::idOf(*db_->hostDatabase(), (*recordsOf(db_, table_))[static_cast<size_t>(index_)]);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                                     bool openErased) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getRecordId(id);
    return es == Acad::eOk ? acdbOpenObject<AcDbSymbolTableRecord>(record, id, mode, openErased) : es;
}

// ---------------------------------------------------------------------------
// AcDbSymbolTable.

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbObjectId& id, bool getErased) const {
    id = AcDbObjectId();
    db::Table table;
    db::Database* db = impl()->database();
    if (name == nullptr || db == nullptr || !tableOfHead(impl(), table)) return Acad::eInvalidInput;
    db::Slot rec = db->findRecord(table, api::narrow(name));
    const db::Object* o = db->object(rec);
    if (o == nullptr || (o->erased && !getErased)) return Acad::eKeyNotFound;
    id = api::idOf(*db, rec);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                                         bool openErased) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getAt(name, id, openErased);
    return es == Acad::eOk ? acdbOpenObject<AcDbSymbolTableRecord>(record, id, mode, openErased) : es;
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
    db::Database* db;
    db::Slot slot;
    db::Table table;
    if (!api::resolveId(id, db, slot) || db != impl()->database() || !tableOfHead(impl(), table)) return false;
    const auto& list = db->records(table);
    const db::Object* o = db->object(slot);
    return !o->erased && std::find(list.begin(), list.end(), slot) != list.end();
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
    AcDbObjectId id;
    return add(id, record);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
    id = AcDbObjectId();
    if (record == nullptr) return Acad::eNullObjectPointer;
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    if (record->impl()->resident()) return Acad::eAlreadyInDb;
    db::Table table, recordTable;
    db::Database* db = impl()->database();
    const db::Object* own = record->impl()->object();
    if (!tableOfHead(impl(), table) || !tableOfRecordType(own->typeName(), recordTable) || table != recordTable)
        return Acad::eWrongObjectType;
    std::string name(db::groupText(*own, 2));
    if (name.empty()) return Acad::eInvalidInput;
    if (name == "*U" || (table == db::Table::BlockRecord && name.size() > 1 && name[0] == '*' &&
                         (name[1] == 'U' || name[1] == 'u') && db->findRecord(table, name) != db::kNoSlot))
        name = db->nextAnonymousName('U');
    if (db->findRecord(table, name) != db::kNoSlot) return Acad::eDuplicateKey;
    GroupList input(own->groups.begin(), own->groups.begin() + static_cast<ptrdiff_t>(db::xdataBegin(*own)));
    for (Group& g : input)
        if (g.code() == 2) g = Group::text(2, name);
    if (table == db::Table::BlockRecord) {
        input.push_back(Group::handle(340, 0));
        input.push_back(Group::integer(70, 0));
        input.push_back(Group::integer(280, 1));
        input.push_back(Group::integer(281, 0));
    }
    GroupList body;
    std::vector<std::string> layers;
    std::string error;
    if (!api::prepareBody(*db, own->typeName(), input, body, layers, error)) return Acad::eInvalidInput;
    bool hasPlotStyle = false;
    for (const Group& g : body) hasPlotStyle = hasPlotStyle || g.code() == 390;
    if (table == db::Table::Layer && !hasPlotStyle) {  // plot-style placeholder as on the template's layers
        if (const db::Object* zero = db->object(db->findRecord(db::Table::Layer, "0")))
            if (const Group* ps = db::findGroup(*zero, 390)) body.push_back(*ps);
    }
    body.insert(body.end(), own->groups.begin() + static_cast<ptrdiff_t>(db::xdataBegin(*own)), own->groups.end());
    db::Slot mark = db->slotCount();
    db::Slot slot = api::storeObject(*db, own->typeName(), db::ObjectClass::TableRecord, std::move(body));
    if (slot == db::kNoSlot) return Acad::eOutOfMemory;
    db->addRecord(table, slot);
    if (table == db::Table::BlockRecord && !makeBlockObjects(*db, slot, name, record->impl()->pendingOrigin)) {
        db->purgeSince(mark);  // a block record without its block
        return Acad::eOutOfMemory;
    }
    record->impl()->becomeResident(*db, slot);
    id = api::idOf(*db, slot);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const {
    iterator = nullptr;
    db::Table table;
    db::Database* db = impl()->database();
    if (db == nullptr || !tableOfHead(impl(), table)) return Acad::eNotInDatabase;
    iterator = new AcDbSymbolTableIterator(db->facade(), static_cast<int>(table), skipDeleted);
    iterator->start(atBeginning, skipDeleted);
    return Acad::eOk;
}

#define LURAK_TYPED_GETAT(TABLE, RECORD)                                                                   \
    Acad::ErrorStatus TABLE::getAt(const ACHAR* name, RECORD*& record, AcDb::OpenMode mode,                \
                                   bool openErased) const {                                                \
        record = nullptr;                                                                                  \
        AcDbObjectId id;                                                                                   \
        Acad::ErrorStatus es = AcDbSymbolTable::getAt(name, id, openErased);                               \
        return es == Acad::eOk ? acdbOpenObject<RECORD>(record, id, mode, openErased) : es;                \
    }

LURAK_TYPED_GETAT(AcDbBlockTable, AcDbBlockTableRecord)
LURAK_TYPED_GETAT(AcDbLayerTable, AcDbLayerTableRecord)
LURAK_TYPED_GETAT(AcDbLinetypeTable, AcDbLinetypeTableRecord)
LURAK_TYPED_GETAT(AcDbTextStyleTable, AcDbTextStyleTableRecord)
LURAK_TYPED_GETAT(AcDbDimStyleTable, AcDbDimStyleTableRecord)
LURAK_TYPED_GETAT(AcDbRegAppTable, AcDbRegAppTableRecord)
