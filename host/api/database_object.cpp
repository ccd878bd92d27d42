// AcDbDatabase: tables, current settings and handles of a drawing.
#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"

using namespace host;
using db::Group;

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool /*noDocument*/)
    : db_(buildDefaultDrawing ? db::Database::createDefault() : std::make_unique<db::Database>()) {
    db_->setFacade(this);
}

AcDbDatabase::~AcDbDatabase() = default;

void AcDbDatabase::replaceHostDatabase(std::unique_ptr<db::Database> db) {
    if (db == nullptr) return;
    db_ = std::move(db);
    db_->setFacade(this);
}

namespace {

template <class T>
Acad::ErrorStatus openTable(db::Database& db, db::Table table, T*& out, AcDb::OpenMode mode) {
    out = nullptr;
    AcDbObject* object = nullptr;
    Acad::ErrorStatus es = AcDbObjectImpl::open(object, db, db.tableHead(table), mode, false);
    if (es != Acad::eOk) return es;
    out = T::cast(object);
    if (out == nullptr) {
        object->close();
        return Acad::eWrongObjectType;
    }
    return Acad::eOk;
}

AcDbObjectId recordId(const db::Database& db, db::Table table, std::string_view name) {
    return api::idOf(db, db.findRecord(table, name));
}

// The record an id names in a table of this drawing; kNoSlot otherwise.
db::Slot recordOf(const db::Database& db, AcDbObjectId id, db::Table table) {
    db::Database* owner;
    db::Slot slot;
    if (!api::resolveId(id, owner, slot) || owner != &db) return db::kNoSlot;
    const db::Object* o = db.object(slot);
    db::Table actual;
    if (o->erased || o->cls != db::ObjectClass::TableRecord || !db::tableByName(o->typeName(), actual) || actual != table)
        return db::kNoSlot;
    return slot;
}

} // namespace

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::BlockRecord, t, m);
}
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::Layer, t, m);
}
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::Ltype, t, m);
}
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::Style, t, m);
}
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::Dimstyle, t, m);
}
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& t, AcDb::OpenMode m) {
    return openTable(*db_, db::Table::Appid, t, m);
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dict, AcDb::OpenMode mode) {
    dict = nullptr;
    AcDbObject* object = nullptr;
    Acad::ErrorStatus es = AcDbObjectImpl::open(object, *db_, db_->namedObjectDictionary(), mode, false);
    if (es != Acad::eOk) return es;
    dict = AcDbDictionary::cast(object);
    if (dict == nullptr) {
        object->close();
        return Acad::eWrongObjectType;
    }
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::namedObjectsDictionaryId() const { return api::idOf(*db_, db_->namedObjectDictionary()); }
AcDbObjectId AcDbDatabase::blockTableId() const { return api::idOf(*db_, db_->tableHead(db::Table::BlockRecord)); }
AcDbObjectId AcDbDatabase::layerTableId() const { return api::idOf(*db_, db_->tableHead(db::Table::Layer)); }

AcDbObjectId AcDbDatabase::byLayerLinetype() const { return recordId(*db_, db::Table::Ltype, "ByLayer"); }
AcDbObjectId AcDbDatabase::byBlockLinetype() const { return recordId(*db_, db::Table::Ltype, "ByBlock"); }
AcDbObjectId AcDbDatabase::continuousLinetype() const { return recordId(*db_, db::Table::Ltype, "Continuous"); }

AcDbObjectId AcDbDatabase::clayer() const { return recordId(*db_, db::Table::Layer, db_->headerText("$CLAYER")); }

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layer) {
    db::Slot slot = recordOf(*db_, layer, db::Table::Layer);
    if (slot == db::kNoSlot) return Acad::eInvalidLayer;
    const db::Object* o = db_->object(slot);
    const Group* flags = db::findGroup(*o, 70);
    if (flags && (flags->asInt() & 1)) return Acad::eInvalidLayer;  // frozen
    db_->setHeaderVariable("$CLAYER", Group::text(8, db::groupText(*o, 2)));
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::textstyle() const { return recordId(*db_, db::Table::Style, db_->headerText("$TEXTSTYLE")); }

Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId style) {
    db::Slot slot = recordOf(*db_, style, db::Table::Style);
    if (slot == db::kNoSlot) return Acad::eInvalidInput;
    db_->setHeaderVariable("$TEXTSTYLE", Group::text(7, db::groupText(*db_->object(slot), 2)));
    return Acad::eOk;
}

AcDbObjectId AcDbDatabase::dimstyle() const { return recordId(*db_, db::Table::Dimstyle, db_->headerText("$DIMSTYLE")); }

Acad::ErrorStatus AcDbDatabase::setDimstyle(AcDbObjectId style) {
    db::Slot slot = recordOf(*db_, style, db::Table::Dimstyle);
    if (slot == db::kNoSlot) return Acad::eInvalidInput;
    db_->setHeaderVariable("$DIMSTYLE", Group::text(2, db::groupText(*db_->object(slot), 2)));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getDimstyleData(AcDbDimStyleTableRecord*& record) const {
    record = new AcDbDimStyleTableRecord();
    const db::Object* current = db_->object(db_->findRecord(db::Table::Dimstyle, db_->headerText("$DIMSTYLE")));
    if (current) record->impl()->object()->groups = current->groups;
    // The drawing's current values override the style's.
    struct Var {
        const char* name;
        int code;
    } vars[] = {{"$DIMASZ", 41}, {"$DIMTXT", 140}, {"$DIMEXO", 42}, {"$DIMEXE", 44}, {"$DIMGAP", 147}, {"$DIMSCALE", 40}};
    for (const Var& v : vars)
        if (const db::HeaderVariable* h = db_->headerVariable(v.name); h && !h->groups.empty())
            record->impl()->set(Group::real(v.code, h->groups[0].asReal()));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setDimstyleData(AcDbDimStyleTableRecord* record) {
    if (record == nullptr) return Acad::eNullObjectPointer;
    db_->setHeaderVariable("$DIMASZ", Group::real(40, record->dimasz()));
    db_->setHeaderVariable("$DIMTXT", Group::real(40, record->dimtxt()));
    db_->setHeaderVariable("$DIMEXO", Group::real(40, record->dimexo()));
    db_->setHeaderVariable("$DIMEXE", Group::real(40, record->dimexe()));
    db_->setHeaderVariable("$DIMGAP", Group::real(40, record->dimgap()));
    db_->setHeaderVariable("$DIMSCALE", Group::real(40, record->dimscale()));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setDimstyleData(AcDbObjectId style) {
    AcDbDimStyleTableRecord* record = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(record, style, AcDb::kForRead);
    if (es != Acad::eOk) return es;
    es = setDimstyleData(record);
    record->close();
    return es;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool /*createIfNotFound*/, const AcDbHandle& handle) {
    id = api::idOf(*db_, db_->slotOf(handle.value()));
    return id.isNull() ? Acad::eUnknownHandle : Acad::eOk;
}
