// AcDbObject, AcDbEntity, AcDbBlockReference and AcDbText, object ids and
// the open functions.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "api/entity_rules.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"
#include "db/finite_numbers.h"
#include "db/geometry.h"
#include "db/units.h"

using namespace host;
using db::Group;
using db::GroupList;

#define LURAK_DEFINE_MEMBERS(CLASS, PARENT)                      \
    AcRxClass* CLASS::desc() {                                  \
        static AcRxClass cls(L## #CLASS, PARENT::desc());       \
        return &cls;                                            \
    }                                                           \
    AcRxClass* CLASS::isA() const { return desc(); }

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
    for (const AcRxClass* c = this; c; c = c->myParent())
        if (c == other) return true;
    return false;
}

AcRxClass* AcDbObject::desc() {
    static AcRxClass cls(L"AcDbObject", nullptr);
    return &cls;
}
AcRxClass* AcDbObject::isA() const { return desc(); }
bool AcDbObject::isKindOf(const AcRxClass* cls) const { return cls && isA()->isDerivedFrom(cls); }

LURAK_DEFINE_MEMBERS(AcDbEntity, AcDbObject)
LURAK_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity)
LURAK_DEFINE_MEMBERS(AcDbText, AcDbEntity)
LURAK_DEFINE_MEMBERS(AcDbSymbolTableRecord, AcDbObject)
LURAK_DEFINE_MEMBERS(AcDbSymbolTable, AcDbObject)
LURAK_DEFINE_MEMBERS(AcDbBlockTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbLayerTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbDimStyleTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbRegAppTable, AcDbSymbolTable)
LURAK_DEFINE_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord)
LURAK_DEFINE_MEMBERS(AcDbDictionary, AcDbObject)
LURAK_DEFINE_MEMBERS(AcDbXrecord, AcDbObject)

// ---------------------------------------------------------------------------
// Ids, handles, colours, extents.

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const {
    db::Database* db;
    db::Slot slot;
    return api::resolveId(*this, db, slot);
}

bool AcDbObjectId::isErased() const {
    db::Database* db;
    db::Slot slot;
    return api::resolveId(*this, db, slot) && db->object(slot)->erased;
}

AcDbDatabase* AcDbObjectId::database() const {
    db::Database* db;
    db::Slot slot;
    return api::resolveId(*this, db, slot) ? db->facade() : nullptr;
}

AcDbHandle AcDbObjectId::handle() const {
    db::Database* db;
    db::Slot slot;
    return api::resolveId(*this, db, slot) ? AcDbHandle(db->object(slot)->handle) : AcDbHandle();
}

AcDbHandle::AcDbHandle(const ACHAR* hexText) {
    db::Handle h;
    if (hexText && db::parseHandle(api::narrow(hexText), h)) value_ = h;
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, size_t size) const {
    std::string text = db::handleText(value_);
    if (buffer == nullptr || size <= text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) buffer[i] = static_cast<ACHAR>(text[i]);
    buffer[text.size()] = 0;
    return true;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
    id = AcDbObjectId();
    if (name == nullptr || name[1] <= 0) return Acad::eInvalidAdsName;
    db::Database* db = db::Database::bySerial(static_cast<uint32_t>(name[1]));
    db::Slot slot = db ? api::slotOf(*db, name) : db::kNoSlot;
    if (slot == db::kNoSlot) return Acad::eInvalidAdsName;
    id = api::idOf(*db, slot);
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id) {
    ads_name_clear(name);
    db::Database* db;
    db::Slot slot;
    if (!api::resolveId(id, db, slot)) return Acad::eNullObjectId;
    api::nameOf(*db, slot, name);
    return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 index) {
    if (index > 256) return Acad::eInvalidInput;
    index_ = index;
    return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& p) {
    min_.set(std::min(min_.x, p.x), std::min(min_.y, p.y), std::min(min_.z, p.z));
    max_.set(std::max(max_.x, p.x), std::max(max_.y, p.y), std::max(max_.z, p.z));
}

void AcDbExtents::addExt(const AcDbExtents& other) {
    if (other.minPoint().x > other.maxPoint().x) return;
    addPoint(other.minPoint());
    addPoint(other.maxPoint());
}

void acutDelString(ACHAR*& text) {
    std::free(text);
    text = nullptr;
}

// ---------------------------------------------------------------------------
// Opening.

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    object = nullptr;
    if (id.isNull()) return Acad::eNullObjectId;
    db::Database* db;
    db::Slot slot;
    if (!api::resolveId(id, db, slot)) return Acad::ePermanentlyErased;
    return AcDbObjectImpl::open(object, *db, slot, mode, openErased);
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    return acdbOpenObject(object, id, mode, openErased);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& entity, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    return acdbOpenObject<AcDbEntity>(entity, id, mode, openErased);
}

// ---------------------------------------------------------------------------
// AcDbObject.

namespace {
db::ObjectClass classOfType(const char* type) {
    switch (api::makeKindOf(type)) {
    case api::MakeKind::NonGraphical: return db::ObjectClass::NonGraphical;
    case api::MakeKind::TableRecord: return db::ObjectClass::TableRecord;
    default: break;
    }
    return std::string_view(type) == "BLOCK_RECORD" ? db::ObjectClass::TableRecord : db::ObjectClass::Entity;
}

// The drawing an object works against: its own, else the current one.
db::Database* workingDb(const AcDbObjectImpl* impl) {
    db::Database* db = impl->database();
    return db ? db : api::current();
}
} // namespace

AcDbObject::AcDbObject(const char* type) : impl_(new AcDbObjectImpl(type, classOfType(type))) {}
AcDbObject::AcDbObject(AcDbObjectImpl* impl) : impl_(impl) {}

AcDbObject::~AcDbObject() {
    if (impl_) impl_->endOpen(false);
}

AcDbObjectId AcDbObject::objectId() const { return impl_->resident() ? impl_->idOf(impl_->slot()) : AcDbObjectId(); }

AcDbObjectId AcDbObject::ownerId() const {
    db::Database* db = impl_->database();
    const db::Object* o = impl_->object();
    if (db == nullptr || o == nullptr || o->owner == 0) return AcDbObjectId();
    return api::idOf(*db, db->slotOf(o->owner));
}

AcDbDatabase* AcDbObject::database() const {
    db::Database* db = impl_->database();
    return db ? db->facade() : nullptr;
}

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const {
    const db::Object* o = impl_->object();
    handle = AcDbHandle(o && impl_->resident() ? o->handle : 0);
}

Acad::ErrorStatus AcDbObject::close() {
    if (!impl_->resident()) return Acad::eNotInDatabase;
    impl_->endOpen(false);
    delete this;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::cancel() {
    if (!impl_->resident()) return Acad::eNotInDatabase;
    impl_->endOpen(true);
    delete this;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() { return impl_->upgrade(); }
Acad::ErrorStatus AcDbObject::downgradeOpen() { return impl_->downgrade(); }
bool AcDbObject::isReadEnabled() const { return impl_->readable(); }
bool AcDbObject::isWriteEnabled() const { return impl_->writable(); }
bool AcDbObject::isNotifyEnabled() const { return impl_->mode() == AcDb::kForNotify; }
bool AcDbObject::isNewObject() const { return !impl_->resident(); }

bool AcDbObject::isErased() const {
    const db::Object* o = impl_->object();
    return o && o->erased;
}

Acad::ErrorStatus AcDbObject::assertReadEnabled() const {
    return impl_->readable() ? Acad::eOk : Acad::eNotOpenForRead;
}

Acad::ErrorStatus AcDbObject::assertWriteEnabled() const {
    return impl_->writable() ? Acad::eOk : Acad::eNotOpenForWrite;
}

namespace {
// Layers that must stay: "0", "Defpoints", the current layer and any layer
// a live entity lies on.
bool layerInUse(const db::Database& db, const db::Object& layer) {
    std::string_view name = db::groupText(layer, 2);
    if (name == "0" || db::equalNoCase(name, "Defpoints") || db::equalNoCase(name, db.headerText("$CLAYER")))
        return true;
    for (db::Slot s = 0; s < db.slotCount(); ++s) {
        const db::Object* o = db.object(s);
        if (o && !o->erased && o->cls == db::ObjectClass::Entity && db::equalNoCase(db::groupText(*o, 8), name))
            return true;
    }
    return false;
}
} // namespace

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
    if (!impl_->resident()) return Acad::eNotInDatabase;
    if (!impl_->writable()) return Acad::eNotOpenForWrite;
    db::Database* db = impl_->database();
    const db::Object* o = impl_->object();
    if (o->cls == db::ObjectClass::TableHead || o->cls == db::ObjectClass::BlockBegin ||
        o->cls == db::ObjectClass::BlockEnd)
        return Acad::eNotApplicable;
    if (erasing && o->isType("LAYER") && layerInUse(*db, *o)) return Acad::eInvalidInput;
    if (erasing && o->cls == db::ObjectClass::TableRecord && !o->isType("LAYER")) {
        std::string_view name = db::groupText(*o, 2);
        if (name.starts_with("*") || db::equalNoCase(name, "Standard") || db::equalNoCase(name, "ByLayer") ||
            db::equalNoCase(name, "ByBlock") || db::equalNoCase(name, "Continuous") || db::equalNoCase(name, "ACAD"))
            return Acad::eInvalidInput;
    }
    db->setErased(impl_->slot(), erasing);
    return Acad::eOk;
}

resbuf* AcDbObject::xData(const ACHAR* app) const {
    const db::Object* o = impl_->object();
    db::Database* db = workingDb(impl_.get());
    if (o == nullptr || db == nullptr || !impl_->readable()) return nullptr;
    std::string wanted = app ? api::narrow(app) : std::string();
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    bool take = false;
    for (size_t i = db::xdataBegin(*o); i < o->groups.size(); ++i) {
        const Group& g = o->groups[i];
        if (g.code() == 1001) take = app == nullptr || db::equalNoCase(g.asText(), wanted);
        if (!take) continue;
        resbuf* rb = api::resbufFromGroup(*db, g);
        if (rb == nullptr) continue;
        if (tail) tail->rbnext = rb;
        else head = rb;
        tail = rb;
    }
    return head;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
    if (!impl_->writable()) return Acad::eNotOpenForWrite;
    db::Database* db = workingDb(impl_.get());
    if (db == nullptr) return Acad::eNoDatabase;
    GroupList groups;
    std::string error;
    for (const resbuf* rb = xdata; rb; rb = rb->rbnext) {
        if (rb->restype < 1000 || rb->restype > 1071 || (groups.empty() && rb->restype != 1001)) return Acad::eBadXData;
        Group g;
        if (!api::groupFromResbuf(*db, *rb, g, error)) return Acad::eBadXData;
        groups.push_back(std::move(g));
    }
    if (!api::checkXdata(*db, groups, error))
        return error.find("registered") != std::string::npos ? Acad::eRegappIdNotFound : Acad::eBadXData;
    db::Object* o = impl_->object();
    db::Object updated;
    updated.groups = o->groups;
    api::mergeXdata(updated, groups);
    if (api::xdataSize(updated.groups, db::xdataBegin(updated)) > api::kMaxXdataBytes) return Acad::eXdataSizeExceeded;
    db->reserveLinks(groups);
    o->groups = std::move(updated.groups);
    return Acad::eOk;
}

void AcDbObject::addReactor(AcDbObjectReactor* reactor) const {
    if (reactor == nullptr) return;
    std::vector<AcDbObjectReactor*>* list =
        impl_->resident() ? api::reactorsOf(impl_->database() ? impl_->database()->serial() : 0, impl_->slot(), true)
                          : &impl_->pendingReactors;
    if (std::find(list->begin(), list->end(), reactor) == list->end()) list->push_back(reactor);
}

void AcDbObject::removeReactor(AcDbObjectReactor* reactor) const {
    std::vector<AcDbObjectReactor*>* list =
        impl_->resident() ? api::reactorsOf(impl_->database() ? impl_->database()->serial() : 0, impl_->slot(), false)
                          : &impl_->pendingReactors;
    if (list) list->erase(std::remove(list->begin(), list->end(), reactor), list->end());
}

// ---------------------------------------------------------------------------
// AcDbEntity.

namespace {
Acad::ErrorStatus setTableName(AcDbObjectImpl* impl, db::Table table, int code, std::string_view name) {
    if (!impl->writable()) return Acad::eNotOpenForWrite;
    db::Database* db = workingDb(impl);
    if (db == nullptr) return Acad::eNoDatabase;
    const db::Object* rec = db->object(db->findRecord(table, name));
    if (rec == nullptr || rec->erased) return Acad::eKeyNotFound;
    return impl->set(Group::text(code, db::groupText(*rec, 2)));
}

Acad::ErrorStatus setTableId(AcDbObjectImpl* impl, db::Table table, int code, AcDbObjectId id) {
    db::Database* db;
    db::Slot slot;
    if (!api::resolveId(id, db, slot)) return Acad::eNullObjectId;
    const db::Object* rec = db->object(slot);
    db::Table actual;
    if (rec->cls != db::ObjectClass::TableRecord || !db::tableByName(rec->typeName(), actual) || actual != table)
        return Acad::eWrongObjectType;
    if (impl->database() && impl->database() != db) return Acad::eWrongDatabase;
    return setTableName(impl, table, code, db::groupText(*rec, 2));
}

db::Matrix toMatrix(const AcGeMatrix3d& m) {
    db::Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r.m[i][j] = m.entry[i][j];
    return r;
}
} // namespace

ACHAR* AcDbEntity::layer() const { return api::newWide(impl()->text(8)); }
AcDbObjectId AcDbEntity::layerId() const { return impl()->recordId(db::Table::Layer, 8); }
Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* name) {
    return name ? setTableName(impl(), db::Table::Layer, 8, api::narrow(name)) : Acad::eInvalidInput;
}
Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId id) { return setTableId(impl(), db::Table::Layer, 8, id); }

ACHAR* AcDbEntity::linetype() const {
    std::string_view lt = impl()->text(6);
    return api::newWide(lt.empty() ? "ByLayer" : lt);
}
AcDbObjectId AcDbEntity::linetypeId() const { return impl()->recordId(db::Table::Ltype, 6); }
Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* name) {
    return name ? setTableName(impl(), db::Table::Ltype, 6, api::narrow(name)) : Acad::eInvalidInput;
}
Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId id) { return setTableId(impl(), db::Table::Ltype, 6, id); }

Adesk::UInt16 AcDbEntity::colorIndex() const { return static_cast<Adesk::UInt16>(impl()->integer(62, 256)); }
Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 index) {
    if (index > 256) return Acad::eInvalidInput;
    return impl()->set(Group::integer(62, index));
}
AcCmColor AcDbEntity::color() const {
    AcCmColor c;
    c.setColorIndex(colorIndex());
    return c;
}
Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color) { return setColorIndex(color.colorIndex()); }

AcDbObjectId AcDbEntity::blockId() const { return ownerId(); }

// A transform the entity cannot take (an arc scaled unevenly) or whose
// numbers overflow (a block at a scale of 1e306) leaves it as it was: the
// drawing never holds a number that it could not save.
Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d& m) {
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    db::Object& entity = *impl()->object();
    GroupList before = entity.groups;
    if (!db::transformEntity(entity, toMatrix(m))) {
        entity.groups = std::move(before);
        return Acad::eNotApplicable;
    }
    if (db::nonFiniteCode(entity.groups) != 0) {
        entity.groups = std::move(before);
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents& extents) const {
    db::Database* db = impl()->database();
    db::Extents e;
    if (db == nullptr || !impl()->readable() || !db::worldExtents(*db, impl()->slot(), e))
        return Acad::eInvalidExtents;
    extents.set({e.min.x, e.min.y, e.min.z}, {e.max.x, e.max.y, e.max.z});
    return Acad::eOk;
}

// ---------------------------------------------------------------------------
// AcDbBlockReference.

AcDbBlockReference::AcDbBlockReference() : AcDbEntity("INSERT") { impl()->set(Group::point(10, 0, 0, 0)); }

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId block) : AcDbEntity("INSERT") {
    impl()->set(Group::point(10, position.x, position.y, position.z));
    setBlockTableRecord(block);
}

AcDbObjectId AcDbBlockReference::blockTableRecord() const { return impl()->recordId(db::Table::BlockRecord, 2); }

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId block) {
    return setTableId(impl(), db::Table::BlockRecord, 2, block);
}

AcGePoint3d AcDbBlockReference::position() const { return impl()->point(10); }
Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& p) {
    return impl()->set(Group::point(10, p.x, p.y, p.z));
}
double AcDbBlockReference::rotation() const { return db::toRadians("INSERT", 50, impl()->real(50, 0)); }
Acad::ErrorStatus AcDbBlockReference::setRotation(double radians) {
    return impl()->set(Group::real(50, db::fromRadians("INSERT", 50, radians)));
}
AcGeScale3d AcDbBlockReference::scaleFactors() const {
    return {impl()->real(41, 1), impl()->real(42, 1), impl()->real(43, 1)};
}
Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& s) {
    if (s.sx == 0 || s.sy == 0 || s.sz == 0 || !std::isfinite(s.sx + s.sy + s.sz)) return Acad::eInvalidInput;
    Acad::ErrorStatus es = impl()->set(Group::real(41, s.sx));
    if (es == Acad::eOk) es = impl()->set(Group::real(42, s.sy));
    if (es == Acad::eOk) es = impl()->set(Group::real(43, s.sz));
    return es;
}
AcGeVector3d AcDbBlockReference::normal() const {
    const Group* g = impl()->group(210);
    return g ? AcGeVector3d(g->asPoint()[0], g->asPoint()[1], g->asPoint()[2]) : AcGeVector3d(0, 0, 1);
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
    // The placement picks, windows and extents use: base point, scales,
    // rotation, insertion point, then the insert's own plane.
    AcGeMatrix3d out;
    const db::Object* insert = impl()->object();
    if (insert == nullptr) return out;
    const db::Database* db = workingDb(impl());
    const db::Database noDrawing;  // no block to take a base point from
    const db::Matrix m = db::insertTransform(db ? *db : noDrawing, *insert);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) out.entry[row][column] = m.m[row][column];
    return out;
}

// ---------------------------------------------------------------------------
// AcDbText.

AcDbText::AcDbText() : AcDbEntity("TEXT") {
    impl()->set(Group::point(10, 0, 0, 0));
    impl()->set(Group::real(40, 2.5));
    impl()->set(Group::text(1, ""));
}

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height, double rotation)
    : AcDbText() {
    setPosition(position);
    if (text) setTextString(text);
    if (!style.isNull()) setTextStyle(style);
    if (height > 0) setHeight(height);
    setRotation(rotation);
}

AcGePoint3d AcDbText::position() const { return impl()->point(10); }
Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& p) { return impl()->set(Group::point(10, p.x, p.y, p.z)); }
AcGePoint3d AcDbText::alignmentPoint() const { return impl()->point(11); }
Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& p) {
    return impl()->set(Group::point(11, p.x, p.y, p.z));
}
double AcDbText::height() const { return impl()->real(40, 0); }
Acad::ErrorStatus AcDbText::setHeight(double h) {
    return h > 0 ? impl()->set(Group::real(40, h)) : Acad::eInvalidInput;
}
double AcDbText::rotation() const { return db::toRadians("TEXT", 50, impl()->real(50, 0)); }
Acad::ErrorStatus AcDbText::setRotation(double r) { return impl()->set(Group::real(50, db::fromRadians("TEXT", 50, r))); }
ACHAR* AcDbText::textString() const { return api::newWide(impl()->text(1)); }
Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
    if (text == nullptr) return Acad::eInvalidInput;
    std::string t = api::narrow(text);
    if (t.size() > api::kMaxText) return Acad::eInvalidInput;
    return impl()->set(Group::text(1, t));
}
AcDbObjectId AcDbText::textStyle() const { return impl()->recordId(db::Table::Style, 7); }
Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) { return setTableId(impl(), db::Table::Style, 7, style); }
int AcDbText::horizontalMode() const { return static_cast<int>(impl()->integer(72, 0)); }
Acad::ErrorStatus AcDbText::setHorizontalMode(int mode) { return impl()->set(Group::integer(72, mode)); }
int AcDbText::verticalMode() const { return static_cast<int>(impl()->integer(73, 0)); }
Acad::ErrorStatus AcDbText::setVerticalMode(int mode) { return impl()->set(Group::integer(73, mode)); }
