#include "api/object_impl.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "api/host_api.h"
#include "api/lists.h"
#include "db/canonical.h"
#include "db/entity_values.h"

using namespace host;
using db::Group;
using db::GroupList;

namespace {

struct OpenState {
    int readers = 0;
    bool writer = false;
};

uint64_t keyOf(uint32_t serial, db::Slot slot) { return static_cast<uint64_t>(serial) << 32 | slot; }

std::unordered_map<uint64_t, OpenState>& openStates() {
    static std::unordered_map<uint64_t, OpenState> map;
    return map;
}

std::unordered_map<uint64_t, std::vector<AcDbObjectReactor*>>& reactorTable() {
    static std::unordered_map<uint64_t, std::vector<AcDbObjectReactor*>> map;
    return map;
}

} // namespace

namespace host::api {

bool resolveId(AcDbObjectId id, db::Database*& db, db::Slot& slot) {
    db = id.serialWord() > 0 ? db::Database::bySerial(static_cast<uint32_t>(id.serialWord())) : nullptr;
    if (db == nullptr || id.slotWord() <= 0) return false;
    ads_name name = {id.slotWord(), id.serialWord()};
    slot = slotOf(*db, name);
    return slot != db::kNoSlot;
}

AcDbObjectId idOf(const db::Database& db, db::Slot slot) {
    if (db.object(slot) == nullptr) return AcDbObjectId();
    return AcDbObjectId(static_cast<long>(slot) + 1, static_cast<long>(db.serial()));
}

std::vector<AcDbObjectReactor*>* reactorsOf(uint32_t serial, db::Slot slot, bool create) {
    auto& table = reactorTable();
    auto it = table.find(keyOf(serial, slot));
    if (it != table.end()) return &it->second;
    return create ? &table[keyOf(serial, slot)] : nullptr;
}

void notifyErased(db::Database& database, db::Slot slot, bool erasing) {
    std::vector<AcDbObjectReactor*>* list = reactorsOf(database.serial(), slot, false);
    if (list == nullptr || list->empty()) return;
    std::vector<AcDbObjectReactor*> copy = *list;  // a reactor may detach itself
    AcDbObject* view = AcDbObjectImpl::wrapForNotify(database, slot);
    if (view == nullptr) return;
    for (AcDbObjectReactor* r : copy) {
        std::vector<AcDbObjectReactor*>* now = reactorsOf(database.serial(), slot, false);
        if (now && std::find(now->begin(), now->end(), r) != now->end()) r->erased(view, erasing);
    }
    delete view;
}

void forgetReactors(uint32_t serial) {
    auto& table = reactorTable();
    for (auto it = table.begin(); it != table.end();)
        it = (it->first >> 32) == serial ? table.erase(it) : std::next(it);
    auto& states = openStates();
    for (auto it = states.begin(); it != states.end();)
        it = (it->first >> 32) == serial ? states.erase(it) : std::next(it);
}

void forgetDatabase(uint32_t serial) {
    forgetCurrent(serial);
    forgetBracket(serial);
    forgetSelectionSets(serial);
    forgetReactors(serial);
}

namespace {
// The API listens to every database from the moment the library is loaded.
class ApiDatabaseListener final : public db::DatabaseListener {
public:
    void erasedChanged(db::Database& database, db::Slot slot, bool erasing) override {
        notifyErased(database, slot, erasing);
    }
    void databaseGone(uint32_t serial) override { forgetDatabase(serial); }
};
ApiDatabaseListener apiListener;
[[maybe_unused]] const bool apiListening = (db::setDatabaseListener(&apiListener), true);
} // namespace

} // namespace host::api

AcDbObjectImpl::AcDbObjectImpl(const char* type, db::ObjectClass cls) {
    own_.type = db::internType(type);
    own_.cls = cls;
}

AcDbObjectImpl::AcDbObjectImpl(db::Database& db, db::Slot slot, AcDb::OpenMode mode)
    : serial_(db.serial()), slot_(slot), mode_(mode), open_(true) {}

db::Database* AcDbObjectImpl::database() const { return resident() ? db::Database::bySerial(serial_) : nullptr; }

db::Object* AcDbObjectImpl::object() {
    if (!resident()) return &own_;
    db::Database* db = database();
    return db ? db->object(slot_) : nullptr;
}

AcDbObject* AcDbObjectImpl::wrapForNotify(db::Database& db, db::Slot slot) {
    const db::Object* o = db.object(slot);
    if (o == nullptr) return nullptr;
    auto* impl = new AcDbObjectImpl(db, slot, AcDb::kForNotify);
    std::string_view type = o->typeName();
    switch (o->cls) {
    case db::ObjectClass::Entity:
    case db::ObjectClass::BlockBegin:
    case db::ObjectClass::BlockEnd:
        if (type == "INSERT") return new AcDbBlockReference(impl);
        if (type == "TEXT") return new AcDbText(impl);
        return new AcDbEntity(impl);
    case db::ObjectClass::TableHead: {
        std::string_view table = db::groupText(*o, 2);
        if (db::equalNoCase(table, "BLOCK_RECORD")) return new AcDbBlockTable(impl);
        if (db::equalNoCase(table, "LAYER")) return new AcDbLayerTable(impl);
        if (db::equalNoCase(table, "LTYPE")) return new AcDbLinetypeTable(impl);
        if (db::equalNoCase(table, "STYLE")) return new AcDbTextStyleTable(impl);
        if (db::equalNoCase(table, "DIMSTYLE")) return new AcDbDimStyleTable(impl);
        if (db::equalNoCase(table, "APPID")) return new AcDbRegAppTable(impl);
        return new AcDbSymbolTable(impl);
    }
    case db::ObjectClass::TableRecord:
        if (type == "BLOCK_RECORD") return new AcDbBlockTableRecord(impl);
        if (type == "LAYER") return new AcDbLayerTableRecord(impl);
        if (type == "LTYPE") return new AcDbLinetypeTableRecord(impl);
        if (type == "STYLE") return new AcDbTextStyleTableRecord(impl);
        if (type == "DIMSTYLE") return new AcDbDimStyleTableRecord(impl);
        if (type == "APPID") return new AcDbRegAppTableRecord(impl);
        return new AcDbSymbolTableRecord(impl);
    case db::ObjectClass::NonGraphical:
        if (type == "DICTIONARY" || type == "ACDBDICTIONARYWDFLT") return new AcDbDictionary(impl);
        if (type == "XRECORD") return new AcDbXrecord(impl);
        return new AcDbObject(impl);
    }
    delete impl;
    return nullptr;
}

Acad::ErrorStatus AcDbObjectImpl::open(AcDbObject*& object, db::Database& db, db::Slot slot, AcDb::OpenMode mode,
                                       bool openErased) {
    object = nullptr;
    const db::Object* o = db.object(slot);
    if (o == nullptr) return Acad::ePermanentlyErased;
    if (o->erased && !openErased) return Acad::eWasErased;
    if (o->erased && mode == AcDb::kForWrite) return Acad::eWasErased;
    OpenState& state = openStates()[keyOf(db.serial(), slot)];
    if (state.writer) return Acad::eWasOpenForWrite;
    if (mode == AcDb::kForWrite && state.readers > 0) return Acad::eWasOpenForRead;
    object = wrapForNotify(db, slot);
    if (object == nullptr) return Acad::eOutOfMemory;
    AcDbObjectImpl* impl = object->impl();
    impl->mode_ = mode == AcDb::kForWrite ? AcDb::kForWrite : AcDb::kForRead;
    impl->counted_ = true;
    if (impl->mode_ == AcDb::kForWrite) {
        state.writer = true;
        impl->backup_ = o->groups;
        impl->backupErased_ = o->erased;
    } else {
        ++state.readers;
    }
    return Acad::eOk;
}

void AcDbObjectImpl::becomeResident(db::Database& db, db::Slot slot) {
    serial_ = db.serial();
    slot_ = slot;
    mode_ = AcDb::kForWrite;
    open_ = true;
    counted_ = true;
    openStates()[keyOf(serial_, slot_)].writer = true;
    if (const db::Object* o = db.object(slot)) {
        backup_ = o->groups;
        backupErased_ = o->erased;
    }
    own_ = db::Object();
    if (!pendingReactors.empty()) {
        std::vector<AcDbObjectReactor*>* list = api::reactorsOf(serial_, slot_, true);
        list->insert(list->end(), pendingReactors.begin(), pendingReactors.end());
        pendingReactors.clear();
    }
}

void AcDbObjectImpl::endOpen(bool restore) {
    if (!resident() || !open_) return;
    db::Database* db = database();
    if (restore && db && mode_ == AcDb::kForWrite) {
        if (db::Object* o = db->object(slot_)) {
            o->groups = backup_;
            if (o->erased != backupErased_) db->setErased(slot_, backupErased_);
        }
    }
    if (counted_) {
        auto it = openStates().find(keyOf(serial_, slot_));
        if (it != openStates().end()) {
            if (mode_ == AcDb::kForWrite) it->second.writer = false;
            else if (it->second.readers > 0) --it->second.readers;
            if (!it->second.writer && it->second.readers == 0) openStates().erase(it);
        }
    }
    open_ = false;
    counted_ = false;
    backup_.clear();
}

Acad::ErrorStatus AcDbObjectImpl::upgrade() {
    if (!resident() || !open_) return Acad::eNotInDatabase;
    if (mode_ == AcDb::kForWrite) return Acad::eOk;
    OpenState& state = openStates()[keyOf(serial_, slot_)];
    if (state.readers > 1 || state.writer) return Acad::eWasOpenForRead;
    const db::Object* o = object();
    if (o == nullptr) return Acad::ePermanentlyErased;
    if (o->erased) return Acad::eWasErased;
    state.readers = 0;
    state.writer = true;
    mode_ = AcDb::kForWrite;
    backup_ = o->groups;
    backupErased_ = o->erased;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObjectImpl::downgrade() {
    if (!resident() || !open_) return Acad::eNotInDatabase;
    if (mode_ == AcDb::kForRead) return Acad::eOk;
    OpenState& state = openStates()[keyOf(serial_, slot_)];
    state.writer = false;
    state.readers = 1;
    mode_ = AcDb::kForRead;
    backup_.clear();
    return Acad::eOk;
}

const Group* AcDbObjectImpl::group(int code) const {
    const db::Object* o = object();
    return o ? db::findGroup(*o, code, 0, db::xdataBegin(*o)) : nullptr;
}

std::string_view AcDbObjectImpl::text(int code) const {
    const Group* g = group(code);
    return g ? g->asText() : std::string_view();
}

double AcDbObjectImpl::real(int code, double fallback) const {
    return db::values::realOr(group(code), fallback);
}

int64_t AcDbObjectImpl::integer(int code, int64_t fallback) const {
    const Group* g = group(code);
    return g ? g->asInt() : fallback;
}

AcGePoint3d AcDbObjectImpl::point(int code) const {
    const Group* g = group(code);
    if (g == nullptr) return AcGePoint3d();
    return {g->asPoint()[0], g->asPoint()[1], g->asPoint()[2]};
}

void AcDbObjectImpl::canonicalize() {
    db::Object* o = object();
    if (o == nullptr || !db::isModelledType(o->typeName())) return;
    size_t xb = db::xdataBegin(*o);
    GroupList input(o->groups.begin(), o->groups.begin() + static_cast<ptrdiff_t>(xb));
    GroupList body;
    std::string error;
    if (!db::canonicalBody(o->typeName(), input, body, error)) return;  // a new object still missing groups
    body.insert(body.end(), o->groups.begin() + static_cast<ptrdiff_t>(xb), o->groups.end());
    o->groups = std::move(body);
}

Acad::ErrorStatus AcDbObjectImpl::set(Group g) {
    if (!writable()) return Acad::eNotOpenForWrite;
    if ((g.kind() == db::ValueKind::Real && !std::isfinite(g.asReal())) ||
        (g.kind() == db::ValueKind::Point && !db::finitePoint(g.asPoint())))
        return Acad::eInvalidInput;  // the drawing could not be saved with it
    db::Object* o = object();
    size_t xb = db::xdataBegin(*o);
    if (Group* old = db::findGroup(*o, g.code(), 0, xb)) *old = std::move(g);
    else o->groups.insert(o->groups.begin() + static_cast<ptrdiff_t>(xb), std::move(g));
    canonicalize();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObjectImpl::remove(int code) {
    if (!writable()) return Acad::eNotOpenForWrite;
    db::Object* o = object();
    size_t xb = db::xdataBegin(*o);
    for (size_t i = 0; i < xb; ++i)
        if (o->groups[i].code() == code) {
            o->groups.erase(o->groups.begin() + static_cast<ptrdiff_t>(i));
            break;
        }
    canonicalize();
    return Acad::eOk;
}

AcDbObjectId AcDbObjectImpl::idOf(db::Slot slot) const {
    db::Database* db = database();
    return db ? api::idOf(*db, slot) : AcDbObjectId();
}

AcDbObjectId AcDbObjectImpl::recordId(db::Table table, int code) const {
    db::Database* db = database();
    if (db == nullptr) db = api::current();
    if (db == nullptr) return AcDbObjectId();
    std::string_view name = text(code);
    if (name.empty() && code == 6) name = "ByLayer";
    return api::idOf(*db, db->findRecord(table, name));
}
