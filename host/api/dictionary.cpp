// Dictionaries in the C API.
#include "ads_entity.h"
#include "api/host_api.h"
#include "api/lists.h"

namespace host::api {
namespace {

// One iterator for all dictionaries, as the host has it.
struct DictCursor {
    uint32_t serial = 0;
    db::Slot dictionary = db::kNoSlot;
    size_t next = 0;  // index into the dictionary's groups
};
DictCursor cursor;

db::Slot dictionaryOf(db::Database& db, const ads_name name) {
    db::Slot slot = slotOf(db, name);
    const db::Object* o = db.object(slot);
    if (o == nullptr || o->erased) return db::kNoSlot;
    return o->isType("DICTIONARY") || o->isType("ACDBDICTIONARYWDFLT") ? slot : db::kNoSlot;
}

// The entry list from group index `from` on: the first live entry object.
resbuf* nextEntry(db::Database& db, db::Slot dict, size_t& from) {
    const db::Object* d = db.object(dict);
    while (d && from + 1 < d->groups.size()) {
        size_t i = from++;
        if (d->groups[i].code() != 3 || d->groups[i + 1].kind() != db::ValueKind::Handle) continue;
        from = i + 2;
        db::Slot entry = db.slotOf(d->groups[i + 1].asHandle());
        const db::Object* o = db.object(entry);
        if (o && !o->erased) return entityList(db, entry, nullptr);
    }
    return nullptr;
}

} // namespace
} // namespace host::api

using namespace host;

int acdbNamedObjDict(ads_name result) {
    if (result == nullptr) return RTERROR;
    ads_name_clear(result);
    db::Database* db = api::current();
    if (db == nullptr || db->object(db->namedObjectDictionary()) == nullptr) return RTERROR;
    api::nameOf(*db, db->namedObjectDictionary(), result);
    return RTNORM;
}

resbuf* acdbDictSearch(const ads_name dictionary, const ACHAR* key, int setnext) {
    db::Database* db = api::current();
    if (db == nullptr || key == nullptr) return nullptr;
    db::Slot dict = api::dictionaryOf(*db, dictionary);
    if (dict == db::kNoSlot) return nullptr;
    std::string k = api::narrow(key);
    db::Slot entry = db->dictionaryLookup(dict, k);
    const db::Object* o = db->object(entry);
    if (o == nullptr || o->erased) return nullptr;
    if (setnext) {
        const db::Object* d = db->object(dict);
        for (size_t i = 0; i + 1 < d->groups.size(); ++i)
            if (d->groups[i].code() == 3 && db::equalNoCase(d->groups[i].asText(), k))
                api::cursor = {db->serial(), dict, i + 2};
    }
    return api::entityList(*db, entry, nullptr);
}

resbuf* acdbDictNext(const ads_name dictionary, int rewind) {
    db::Database* db = api::current();
    if (db == nullptr) return nullptr;
    db::Slot dict = api::dictionaryOf(*db, dictionary);
    if (dict == db::kNoSlot) return nullptr;
    if (rewind || api::cursor.serial != db->serial() || api::cursor.dictionary != dict)
        api::cursor = {db->serial(), dict, 0};
    return api::nextEntry(*db, dict, api::cursor.next);
}

int acdbDictAdd(const ads_name dictionary, const ACHAR* key, const ads_name object) {
    db::Database* db = api::current();
    if (db == nullptr || key == nullptr) return RTERROR;
    db::Slot dict = api::dictionaryOf(*db, dictionary);
    db::Slot entry = api::slotOf(*db, object);
    db::Object* o = db->object(entry);
    std::string k = api::narrow(key);
    if (dict == db::kNoSlot || o == nullptr || o->erased || k.empty() || k.size() > api::kMaxXdataText) return RTERROR;
    if (o->cls != db::ObjectClass::NonGraphical || o->owner != 0 || entry == dict) {
        api::setError("acdbDictAdd: the object is not a free non-graphical object");
        return RTERROR;
    }
    return db->dictionaryAdd(dict, k, entry) ? RTNORM : RTERROR;
}

int acdbDictRemove(const ads_name dictionary, const ACHAR* key) {
    db::Database* db = api::current();
    if (db == nullptr || key == nullptr) return RTERROR;
    db::Slot dict = api::dictionaryOf(*db, dictionary);
    if (dict == db::kNoSlot) return RTERROR;
    return db->dictionaryRemove(dict, api::narrow(key)) ? RTNORM : RTERROR;
}

int acdbDictRename(const ads_name dictionary, const ACHAR* oldKey, const ACHAR* newKey) {
    db::Database* db = api::current();
    if (db == nullptr || oldKey == nullptr || newKey == nullptr) return RTERROR;
    db::Slot dict = api::dictionaryOf(*db, dictionary);
    std::string from = api::narrow(oldKey), to = api::narrow(newKey);
    if (dict == db::kNoSlot || to.empty() || db->dictionaryLookup(dict, to) != db::kNoSlot) return RTERROR;
    db::Object* d = db->object(dict);
    for (db::Group& g : d->groups)
        if (g.code() == 3 && db::equalNoCase(g.asText(), from)) {
            g = db::Group::text(3, to);
            return RTNORM;
        }
    return RTERROR;
}
