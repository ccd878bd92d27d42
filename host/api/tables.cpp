// Symbol tables and registered applications in the C API.
#include <unordered_map>

#include "ads_entity.h"
#include "api/entity_rules.h"
#include "api/host_api.h"
#include "api/lists.h"

namespace host::api {
namespace {

// "BLOCK" in the C API is the block table.
bool tableOf(const ACHAR* name, db::Table& table) {
    std::string n = db::upperAscii(narrow(name));
    if (n == "BLOCK") n = "BLOCK_RECORD";
    return db::tableByName(n, table);
}

struct TableCursor {
    uint32_t serial = 0;
    db::Table table = db::Table::Layer;
    size_t next = 0;
};
TableCursor cursor;

resbuf* append(resbuf*& tail, resbuf* rb) {
    if (rb) tail->rbnext = rb;
    if (rb) tail = rb;
    return rb;
}

// The summary list acdbTblSearch gives: type, name, flags and the record's
// own fields; a block adds its base point and first entity (-2).
resbuf* recordList(db::Database& db, db::Table table, db::Slot record) {
    const db::Object* o = db.object(record);
    if (o == nullptr) return nullptr;
    bool block = table == db::Table::BlockRecord;
    resbuf* head = resbufFromGroup(db, db::Group::text(0, block ? "BLOCK" : std::string(o->typeName())));
    if (head == nullptr) return nullptr;
    resbuf* tail = head;
    const db::Object* source = o;
    const db::Block* b = block ? db.block(record) : nullptr;
    if (b && db.object(b->begin)) source = db.object(b->begin);
    size_t xb = db::xdataBegin(*source);
    bool inRecord = !block;
    for (size_t i = 0; i < xb; ++i) {
        const db::Group& g = source->groups[i];
        if (g.code() == 100) {
            inRecord = block ? g.asText() == "AcDbBlockBegin" : g.asText() != "AcDbSymbolTableRecord";
            continue;
        }
        if (inRecord && g.code() != 102) append(tail, resbufFromGroup(db, g));
    }
    if (b) {
        for (db::Slot s : b->entities) {
            const db::Object* e = db.object(s);
            if (e && !e->erased) {
                resbuf* rb = resbufFromGroup(db, db::Group::handle(-2, 0));
                if (rb) nameOf(db, s, rb->resval.rlname);
                append(tail, rb);
                break;
            }
        }
    }
    return head;
}

} // namespace
} // namespace host::api

using namespace host;

int acdbRegApp(const ACHAR* application) {
    db::Database* db = api::current();
    if (db == nullptr || application == nullptr) return RTERROR;
    std::string name = api::narrow(application);
    if (!api::validSymbolName(name) || name.size() > api::kMaxAppName) {
        api::setError("invalid application name \"" + name + "\"");
        return RTERROR;
    }
    if (db->findRecord(db::Table::Appid, name) != db::kNoSlot) return RTERROR;  // already registered
    db::GroupList body;
    std::vector<std::string> layers;
    std::string error;
    db::GroupList input{db::Group::text(2, name)};
    if (!api::prepareBody(*db, "APPID", input, body, layers, error)) return RTERROR;
    db::Slot rec = api::storeObject(*db, "APPID", db::ObjectClass::TableRecord, std::move(body));
    if (rec == db::kNoSlot) {
        api::setError(api::kNoHandleLeft);
        return RTERROR;
    }
    db->addRecord(db::Table::Appid, rec);
    return RTNORM;
}

resbuf* acdbTblSearch(const ACHAR* table, const ACHAR* name, int setnext) {
    db::Database* db = api::current();
    db::Table t;
    if (db == nullptr || name == nullptr || !api::tableOf(table, t)) return nullptr;
    db::Slot rec = db->findRecord(t, api::narrow(name));
    const db::Object* o = db->object(rec);
    if (o == nullptr || o->erased) return nullptr;
    if (setnext) {
        const auto& list = db->records(t);
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] == rec) api::cursor = {db->serial(), t, i + 1};
    }
    return api::recordList(*db, t, rec);
}

resbuf* acdbTblNext(const ACHAR* table, int rewind) {
    db::Database* db = api::current();
    db::Table t;
    if (db == nullptr || !api::tableOf(table, t)) return nullptr;
    if (rewind || api::cursor.serial != db->serial() || api::cursor.table != t) api::cursor = {db->serial(), t, 0};
    const auto& list = db->records(t);
    while (api::cursor.next < list.size()) {
        db::Slot rec = list[api::cursor.next++];
        const db::Object* o = db->object(rec);
        if (o && !o->erased) return api::recordList(*db, t, rec);
    }
    return nullptr;
}

int acdbTblObjName(const ACHAR* table, const ACHAR* name, ads_name result) {
    if (result) ads_name_clear(result);
    db::Database* db = api::current();
    db::Table t;
    if (db == nullptr || name == nullptr || result == nullptr || !api::tableOf(table, t)) return RTERROR;
    db::Slot rec = db->findRecord(t, api::narrow(name));
    const db::Object* o = db->object(rec);
    if (o == nullptr || o->erased) return RTERROR;
    api::nameOf(*db, rec, result);
    return RTNORM;
}

int acdbXdSize(const resbuf* xdata, long* size) {
    db::Database* db = api::current();
    if (db == nullptr || size == nullptr) return RTERROR;
    if (xdata && xdata->restype == -3) xdata = xdata->rbnext;
    db::GroupList groups;
    std::string error;
    api::XdataCheck check(*db);
    if (!api::parseXdata(*db, xdata, groups, error, &check) || !check.finish(error, false)) {
        api::setError("acdbXdSize: " + error);
        return RTERROR;
    }
    *size = static_cast<long>(api::xdataSize(groups));
    return RTNORM;
}
