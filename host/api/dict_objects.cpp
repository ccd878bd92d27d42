// AcDbDictionary and AcDbXrecord.
#include "api/entity_rules.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "api/object_impl.h"
#include "db/canonical.h"

using namespace host;
using db::Group;
using db::GroupList;

AcDbDictionary::AcDbDictionary() : AcDbObject("DICTIONARY") {
    impl()->object()->groups = {Group::text(100, "AcDbDictionary"), Group::integer(281, 1)};
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObjectId& id) const {
    id = AcDbObjectId();
    db::Database* db = impl()->database();
    if (key == nullptr || db == nullptr || !impl()->readable()) return Acad::eInvalidInput;
    db::Slot entry = db->dictionaryLookup(impl()->slot(), api::narrow(key));
    const db::Object* o = db->object(entry);
    if (o == nullptr || o->erased) return Acad::eKeyNotFound;
    id = api::idOf(*db, entry);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getAt(key, id);
    return es == Acad::eOk ? acdbOpenObject(object, id, mode) : es;
}

bool AcDbDictionary::has(const ACHAR* key) const {
    AcDbObjectId id;
    return getAt(key, id) == Acad::eOk;
}

int AcDbDictionary::numEntries() const {
    const db::Object* o = impl()->object();
    int n = 0;
    if (o)
        for (const Group& g : o->groups) n += g.code() == 3;
    return n;
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* key, AcDbObject* object, AcDbObjectId& id) {
    id = AcDbObjectId();
    if (key == nullptr || object == nullptr) return Acad::eInvalidInput;
    if (!impl()->resident()) return Acad::eNotInDatabase;
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    db::Database* db = impl()->database();
    std::string k = api::narrow(key);
    if (k.empty()) return Acad::eInvalidKey;
    if (db->dictionaryLookup(impl()->slot(), k) != db::kNoSlot) return Acad::eDuplicateKey;
    db::Slot slot;
    if (object->impl()->resident()) {
        const db::Object* o = object->impl()->object();
        if (object->impl()->database() != db) return Acad::eWrongDatabase;
        if (o->owner != 0 || o->cls != db::ObjectClass::NonGraphical) return Acad::eInvalidInput;
        slot = object->impl()->slot();
    } else {
        const db::Object* own = object->impl()->object();
        if (own->cls != db::ObjectClass::NonGraphical) return Acad::eWrongObjectType;
        GroupList body;
        std::vector<std::string> layers;
        std::string error;
        size_t xb = db::xdataBegin(*own);
        GroupList input(own->groups.begin(), own->groups.begin() + static_cast<ptrdiff_t>(xb));
        if (!api::prepareBody(*db, own->typeName(), input, body, layers, error)) return Acad::eInvalidInput;
        body.insert(body.end(), own->groups.begin() + static_cast<ptrdiff_t>(xb), own->groups.end());
        slot = api::storeObject(*db, own->typeName(), db::ObjectClass::NonGraphical, std::move(body));
        if (slot == db::kNoSlot) return Acad::eOutOfMemory;
        object->impl()->becomeResident(*db, slot);
    }
    db->dictionaryAdd(impl()->slot(), k, slot);
    id = api::idOf(*db, slot);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
    if (key == nullptr) return Acad::eInvalidInput;
    if (!impl()->resident()) return Acad::eNotInDatabase;
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    return impl()->database()->dictionaryRemove(impl()->slot(), api::narrow(key)) ? Acad::eOk : Acad::eKeyNotFound;
}

AcDbXrecord::AcDbXrecord() : AcDbObject("XRECORD") {
    impl()->object()->groups = {Group::text(100, "AcDbXrecord"), Group::integer(280, 1)};
}

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf** chain) const {
    if (chain == nullptr) return Acad::eInvalidInput;
    *chain = nullptr;
    const db::Object* o = impl()->object();
    db::Database* db = impl()->database() ? impl()->database() : api::current();
    if (o == nullptr || db == nullptr || !impl()->readable()) return Acad::eNotOpenForRead;
    resbuf* tail = nullptr;
    size_t xb = db::xdataBegin(*o);
    size_t start = 0;
    while (start < xb && (o->groups[start].code() != 100 || o->groups[start].asText() != "AcDbXrecord")) ++start;
    start += 1;
    if (start < xb && o->groups[start].code() == 280) ++start;  // the cloning flag
    for (size_t i = start; i < xb; ++i) {
        resbuf* rb = api::resbufFromGroup(*db, o->groups[i]);
        if (rb == nullptr) continue;
        if (tail) tail->rbnext = rb;
        else *chain = rb;
        tail = rb;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::setFromRbChain(const resbuf& chain) {
    if (!impl()->writable()) return Acad::eNotOpenForWrite;
    db::Database* db = impl()->database() ? impl()->database() : api::current();
    if (db == nullptr) return Acad::eNoDatabase;
    db::Object* o = impl()->object();
    GroupList body;
    for (const Group& g : o->groups) {  // keep the head up to the cloning flag
        if (g.code() == 100 && g.asText() == "AcDbXrecord") {
            body.push_back(g);
            break;
        }
        body.push_back(g);
    }
    const Group* flag = nullptr;
    for (size_t i = 0; i + 1 < o->groups.size(); ++i)
        if (o->groups[i].code() == 100 && o->groups[i].asText() == "AcDbXrecord" && o->groups[i + 1].code() == 280)
            flag = &o->groups[i + 1];
    body.push_back(flag ? *flag : Group::integer(280, 1));
    std::string error;
    for (const resbuf* rb = &chain; rb; rb = rb->rbnext) {
        Group g;
        if (rb->restype == 5 || rb->restype == 105 || rb->restype < 1 || rb->restype > 369 ||
            !api::groupFromResbuf(*db, *rb, g, error))
            return Acad::eInvalidResBuf;
        body.push_back(std::move(g));
    }
    body.insert(body.end(), o->groups.begin() + static_cast<ptrdiff_t>(db::xdataBegin(*o)), o->groups.end());
    o->groups = std::move(body);
    return Acad::eOk;
}
