// Entity functions of the C API: make, get, modify, erase, walk.
#include <algorithm>
#include <bitset>
#include <unordered_map>

#include "ads_entity.h"
#include "api/entity_rules.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "api/modify_in_place.h"
#include "db/canonical.h"
#include "db/sub_entities.h"
#include "io/io.h"

namespace host::api {

using db::Group;
using db::GroupList;

namespace {

// The BLOCK ... ENDBLK bracket of a drawing: nothing of it is in the
// drawing until ENDBLK.  Each drawing keeps its bracket, closed between
// blocks, so its lists keep their room from block to block.
struct Bracket {
    bool open = false;
    GroupList begin;
    bool anonymous = false;
    std::string name;
    std::vector<db::Object> entities;  // stored at ENDBLK, in order
    std::vector<std::string> newLayers;

    void close() {
        open = anonymous = false;
        begin.clear();
        name.clear();
        entities.clear();
        newLayers.clear();
    }
};

std::unordered_map<uint32_t, Bracket>& brackets() {
    static std::unordered_map<uint32_t, Bracket> map;
    return map;
}

// The bracket last asked for: every entity of a block asks again.
struct LastBracket {
    uint32_t serial = 0;
    Bracket* bracket = nullptr;
};
LastBracket lastBracket;

Bracket& bracketOf(const db::Database& db) {
    if (lastBracket.serial != db.serial() || lastBracket.bracket == nullptr)
        lastBracket = {db.serial(), &brackets()[db.serial()]};
    return *lastBracket.bracket;
}

// The drawing's open bracket, or null.
Bracket* openBracket(const db::Database& db) {
    Bracket& b = bracketOf(db);
    return b.open ? &b : nullptr;
}

int fail(std::string message) {
    setError(std::move(message));
    return RTERROR;
}

// Body and XDATA of a new entity or object, checked; false on bad input.
// `spare`: room for groups the caller adds.
bool buildNew(db::Database& db, ParsedList& list, GroupList& groups, std::vector<std::string>& layers,
              std::string& error, size_t spare = 0) {
    if (!prepareBody(db, list.type, list.body, groups, layers, error, list.xdata.size() + spare)) return false;
    if (!list.xdata.empty()) {
        if (!checkXdata(db, list.xdata, error)) return false;
        // Kept back now: what a block definition holds is stored at its end.
        db.reserveLinks(list.xdata);
        groups.insert(groups.end(), std::make_move_iterator(list.xdata.begin()),
                      std::make_move_iterator(list.xdata.end()));
    }
    return true;
}

// The host's own anonymous kinds keep their letter ("*D" dimension
// geometry, "*T", "*X"); every other anonymous name becomes "*U<n>".
char anonymousLetter(std::string_view given) {
    char c = given.size() > 1 ? given[1] : 'U';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return c == 'D' || c == 'T' || c == 'X' ? c : 'U';
}

// Opens the drawing's bracket with a checked BLOCK body (room for its 3
// and 1, added at ENDBLK).
int openBlock(db::Database& db, GroupList& body, std::vector<std::string>& layers) {
    std::string name(db::groupText(body, 2));
    const Group* flags = db::findGroup(body, 70);
    bool anonymous = !name.empty() && name[0] == '*' && flags && (flags->asInt() & 1);
    if (!anonymous) {
        if (!validSymbolName(name)) return fail("invalid block name \"" + name + "\"");
        if (db.findRecord(db::Table::BlockRecord, name) != db::kNoSlot)
            return fail("block \"" + name + "\" already exists");
    }
    Bracket& b = bracketOf(db);
    b.open = true;
    b.anonymous = anonymous;
    b.name = name;
    b.begin = std::move(body);
    b.newLayers = std::move(layers);
    return RTNORM;
}

int beginBlock(db::Database& db, ParsedList& list) {
    if (openBracket(db)) return fail("a block definition is already open");
    GroupList body;
    std::vector<std::string> layers;
    std::string error;
    if (!buildNew(db, list, body, layers, error, 2)) return fail(error);  // room for 3 and 1 at ENDBLK
    return openBlock(db, body, layers);
}

struct BlockTypes {
    db::TypeId record, begin, end;
};
const BlockTypes& blockTypes() {
    static const BlockTypes types{db::internType("BLOCK_RECORD"), db::internType("BLOCK"), db::internType("ENDBLK")};
    return types;
}

// The BLOCK_RECORD of a new block: the host's body, made once, with the name.
GroupList blockRecordBody(const std::string& name) {
    static const GroupList model = [] {
        GroupList input{Group::text(2, "*U"), Group::handle(340, 0), Group::integer(70, 0), Group::integer(280, 1),
                        Group::integer(281, 0)};
        GroupList body;
        std::string error;
        db::canonicalBody("BLOCK_RECORD", input, body, error);
        return body;
    }();
    GroupList body(model);
    for (Group& g : body)
        if (g.code() == 2) g = Group::text(2, name);
    return body;
}

int endBlock(db::Database& db, ParsedList& list) {
    Bracket* open = openBracket(db);
    if (open == nullptr) return fail("ENDBLK without BLOCK");
    Bracket& b = *open;
    if (b.anonymous) b.name = db.nextAnonymousName(anonymousLetter(b.name));
    (void)list;

    // A block that cannot be stored whole is not stored at all, and its
    // definition is closed: nothing could complete it later.
    db::Slot mark = db.slotCount();
    auto takeBack = [&] {
        db.purgeSince(mark);
        b.close();
        return fail(kNoHandleLeft);
    };
    if (!createLayers(db, b.newLayers)) return takeBack();
    db::Slot record = storeObject(db, blockTypes().record, db::ObjectClass::TableRecord, blockRecordBody(b.name));
    if (record == db::kNoSlot) return takeBack();
    db.addRecord(db::Table::BlockRecord, record);
    db.addBlock(record);

    for (Group& g : b.begin) {
        if (g.code() == 2) g = Group::text(2, b.name);
        if (g.code() == 3) g = Group::text(3, b.name);
    }
    if (!db::findGroup(b.begin, 3)) b.begin.push_back(Group::text(3, b.name));
    if (!db::findGroup(b.begin, 1)) b.begin.push_back(Group::text(1, ""));
    std::string layer(db::groupText(b.begin, 8));
    db::Slot begin = storeObject(db, blockTypes().begin, db::ObjectClass::BlockBegin, std::move(b.begin));
    db::Slot end = storeObject(db, blockTypes().end, db::ObjectClass::BlockEnd,
                               {Group::text(100, "AcDbEntity"), Group::text(8, layer.empty() ? "0" : layer),
                                Group::text(100, "AcDbBlockEnd")});
    if (begin == db::kNoSlot || end == db::kNoSlot) return takeBack();
    db.setBlockObjects(record, begin, end);
    if (!db.addEntities(record, b.entities)) return takeBack();
    bool anonymous = b.anonymous;
    if (anonymous) io::setLastInput(b.name);
    b.close();
    return anonymous ? RTKWORD : RTNORM;
}

// Puts a new entity where it belongs: into the open block definition, or
// into model or paper space; the layers it names are made with it.
int placeEntity(db::Database& db, db::TypeId type, GroupList& groups, std::vector<std::string>& layers,
                db::Slot& slot) {
    if (Bracket* open = openBracket(db)) {
        Bracket& b = *open;
        static const db::TypeId insert = db::internType("INSERT");
        if (type == insert && !b.anonymous) {
            if (db::equalNoCase(db::groupText(groups, 2), b.name)) return fail("a block cannot insert itself");
        }
        db::Object& o = b.entities.emplace_back();
        o.type = type;
        o.groups = std::move(groups);
        for (std::string& l : layers) b.newLayers.push_back(std::move(l));
        return RTNORM;
    }
    bool paper = false;
    for (const Group& g : groups) {
        if (g.code() == 1001) break;  // the XDATA
        if (g.code() == 67) paper = g.asInt() == 1;
    }
    db::Slot mark = db.slotCount();
    slot = createLayers(db, layers) ? storeObject(db, type, db::ObjectClass::Entity, std::move(groups)) : db::kNoSlot;
    if (slot == db::kNoSlot) {
        db.purgeSince(mark);  // the layers made for it
        return fail(kNoHandleLeft);
    }
    db.appendEntity(paper ? db.paperSpace() : db.modelSpace(), slot);
    return RTNORM;
}

// Makes what the list describes; slot receives the new object (kNoSlot for
// parts of a block bracket).
int make(const resbuf* input, db::Slot& slot, bool unownedObjects) {
    slot = db::kNoSlot;
    db::Database* db = current();
    if (db == nullptr) return fail("no current drawing");
    // One list's storage serves every call.
    static thread_local ParsedList list;
    list.clear();
    std::string error;
    if (!parseList(*db, input, list, error)) return fail(error);
    if (list.type.empty()) return fail("the list has no type group (0)");
    if (!anglesToStored(list.type, list.body, error)) return fail(error);
    MakeKind kind = makeKindOf(list.type);
    switch (kind) {
    case MakeKind::Refused: return fail("cannot make a " + list.type);
    case MakeKind::BlockBegin: return beginBlock(*db, list);
    case MakeKind::BlockEnd: return endBlock(*db, list);
    default: break;
    }
    GroupList groups;
    std::vector<std::string> layers;
    if (!buildNew(*db, list, groups, layers, error)) return fail(error);

    if (kind == MakeKind::TableRecord) {
        db::Table table;
        db::tableByName(list.type, table);
        std::string name(db::groupText(groups, 2));
        if (!validSymbolName(name)) return fail("invalid name \"" + name + "\"");
        if (db->findRecord(table, name) != db::kNoSlot) return fail(list.type + " \"" + name + "\" already exists");
        slot = storeObject(*db, list.type, db::ObjectClass::TableRecord, std::move(groups));
        if (slot == db::kNoSlot) return fail(kNoHandleLeft);
        db->addRecord(table, slot);
        return RTNORM;
    }
    if (kind == MakeKind::NonGraphical) {
        (void)unownedObjects;  // objects are made unowned; acdbDictAdd adopts them
        slot = storeObject(*db, list.type, db::ObjectClass::NonGraphical, std::move(groups));
        return slot == db::kNoSlot ? fail(kNoHandleLeft) : RTNORM;
    }
    return placeEntity(*db, db::internType(list.type), groups, layers, slot);
}

// A list with subclass markers, or with a code given twice (vertices,
// boundary data), is a whole body; otherwise the given groups change only
// the groups of their codes.
bool wholeBody(const GroupList& given) {
    for (size_t i = 0; i < given.size(); ++i) {
        if (given[i].code() == 100) return true;
        for (size_t j = i + 1; j < given.size(); ++j)
            if (given[j].code() == given[i].code()) return true;
    }
    return false;
}

// True when the given body is the stored one with only free values
// changed: the same codes in the same order, and no changed group that
// names a table record or that the host leaves out at its default.  Such
// a body (the usual acdbEntGet, change, acdbEntMod round trip) is already
// in the host's order and needs no checks.
bool onlyValuesChanged(const db::Object& o, const GroupList& given) {
    size_t xb = db::xdataBegin(o);
    if (given.size() != xb) return false;
    for (size_t i = 0; i < xb; ++i) {
        const Group& stored = o.groups[i];
        const Group& g = given[i];
        if (stored.code() != g.code()) return false;
        if (stored == g) continue;
        if (valueNeedsRules(o.typeName(), g.code())) return false;
    }
    return true;
}

// The codes of an object's body (its XDATA starts at 1000).
constexpr size_t kBodyCodes = 1000;

// The platform's entmod changes only the fields the list names.  A field
// that neither the list nor the stored object holds (another writer's file
// leaves fields at their defaults out) was not changed: the defaults the
// rules filled in for such fields are left out again, so that the object
// keeps its groups and a list taken from it earlier brings it back exactly.
void leaveOutUnnamedDefaults(const db::Object& o, const GroupList& given, GroupList& built) {
    size_t xb = db::xdataBegin(o);
    // By the type's few filled fields, not by every group of the body, and
    // the stored body gone through once: an entity's every write comes here.
    std::bitset<kBodyCodes> stored;
    for (size_t i = 0; i < xb; ++i)
        if (int code = o.groups[i].code(); code >= 0 && code < static_cast<int>(kBodyCodes)) stored.set(code);
    for (const Group* filled : db::filledDefaults(o.typeName())) {
        int code = filled->code();
        if (stored.test(code) ||
            std::any_of(given.begin(), given.end(), [code](const Group& g) { return g.code() == code; }))
            continue;
        std::erase_if(built, [filled, code](const Group& g) { return g.code() == code && g == *filled; });
    }
}

GroupList mergedBody(const db::Object& o, const GroupList& given) {
    size_t xb = db::xdataBegin(o);
    GroupList body(o.groups.begin(), o.groups.begin() + static_cast<ptrdiff_t>(xb));
    for (const Group& g : given) {
        auto it = std::find_if(body.begin(), body.end(), [&](const Group& b) { return b.code() == g.code(); });
        if (it != body.end()) *it = g;
        else body.push_back(g);
    }
    return body;
}

} // namespace

void forgetBracket(uint32_t serial) {
    brackets().erase(serial);
    if (lastBracket.serial == serial) lastBracket = {};
}

} // namespace host::api

using namespace host;
using host::api::current;
using host::api::fail;

int acdbEntMake(const resbuf* list) {
    db::Slot slot;
    return api::make(list, slot, false);
}

int acdbEntMakeX(const resbuf* list, ads_name result) {
    if (result) ads_name_clear(result);
    db::Slot slot;
    int status = api::make(list, slot, true);
    if (status == RTNORM && slot != db::kNoSlot && result) api::nameOf(*current(), slot, result);
    return status;
}

resbuf* acdbEntGet(const ads_name entity) { return acdbEntGetX(entity, nullptr); }

resbuf* acdbEntGetX(const ads_name entity, const resbuf* apps) {
    db::Database* db = current();
    if (db == nullptr) return nullptr;
    db::Slot slot = api::slotOf(*db, entity);
    const db::Object* o = db->object(slot);
    if (o == nullptr || o->erased) return nullptr;
    return api::entityList(*db, slot, apps);
}

int acdbEntMod(const resbuf* given) {
    db::Database* db = current();
    if (db == nullptr) return fail("no current drawing");
    if (api::modifyInPlace(*db, given)) return RTNORM;
    static thread_local api::ParsedList list;
    list.clear();
    std::string error;
    if (!api::parseList(*db, given, list, error)) return fail(error);
    if (!list.hasName || !list.nameValid) return fail("acdbEntMod: the -1 group names no entity");
    db::Object* o = db->object(list.target);
    if (o->erased) return fail("acdbEntMod: the entity is erased");
    if (!list.type.empty() && list.type != o->typeName()) return fail("acdbEntMod cannot change the type");
    if (!list.handleText.empty()) {
        db::Handle h;
        if (!db::parseHandle(list.handleText, h) || h != o->handle) return fail("acdbEntMod cannot change the handle");
    }
    if (o->cls == db::ObjectClass::TableHead) return fail("acdbEntMod cannot change a table");
    if (!api::anglesToStored(o->typeName(), list.body, error)) return fail(error);

    // The new body: the given one as it stands, or one built by the rules.
    db::GroupList built;
    std::vector<std::string> layers;
    bool asGiven = o->cls == db::ObjectClass::Entity && api::onlyValuesChanged(*o, list.body);
    if (!asGiven) {
        db::GroupList input = api::wholeBody(list.body) ? list.body : api::mergedBody(*o, list.body);
        if (!api::prepareBody(*db, o->typeName(), input, built, layers, error)) return fail(error);
        if (o->cls == db::ObjectClass::Entity) api::leaveOutUnnamedDefaults(*o, list.body, built);
    }
    db::GroupList& body = asGiven ? list.body : built;
    // The size limit counts the merged XDATA, below.
    if (!list.xdata.empty() && !api::checkXdata(*db, list.xdata, error, false)) return fail(error);

    // The merged XDATA first, so the object's groups get their exact room.
    static thread_local db::GroupList xdata;
    xdata.clear();
    api::appendMergedXdata(*o, list.xdata, xdata);
    if (api::xdataSize(xdata) > api::kMaxXdataBytes) return fail("XDATA is larger than the host allows");
    db::Object updated;
    updated.groups.reserve(body.size() + xdata.size());
    updated.groups.insert(updated.groups.end(), std::make_move_iterator(body.begin()),
                          std::make_move_iterator(body.end()));
    updated.groups.insert(updated.groups.end(), std::make_move_iterator(xdata.begin()),
                          std::make_move_iterator(xdata.end()));
    xdata.clear();

    if (o->cls == db::ObjectClass::TableRecord) {
        db::Table table;
        std::string_view name = db::groupText(updated, 2);
        if (db::tableByName(o->typeName() == "BLOCK_RECORD" ? "BLOCK_RECORD" : o->typeName(), table) &&
            name != db::groupText(*o, 2) && !db->renameRecord(table, list.target, name))
            return fail("the name is taken");
    }
    db::Slot mark = db->slotCount();
    if (!api::createLayers(*db, layers)) {
        db->purgeSince(mark);
        return fail(api::kNoHandleLeft);
    }
    db->reserveLinks(list.xdata);
    o->groups = std::move(updated.groups);
    return RTNORM;
}

int acdbEntDel(const ads_name entity) {
    db::Database* db = current();
    if (db == nullptr) return fail("no current drawing");
    db::Slot slot = api::slotOf(*db, entity);
    const db::Object* o = db->object(slot);
    if (o == nullptr) return fail("acdbEntDel: not an entity of this drawing");
    bool deletable = (o->cls == db::ObjectClass::Entity && db->isMainEntity(slot)) ||
                     o->cls == db::ObjectClass::NonGraphical;
    if (!deletable) return fail("acdbEntDel: only main entities and objects can be erased");
    db->setErased(slot, !o->erased);
    return RTNORM;
}

int acdbEntUpd(const ads_name entity) { return acdbNameValid(entity); }

int acdbNameValid(const ads_name entity) {
    db::Database* db = current();
    return db && api::slotOf(*db, entity) != db::kNoSlot ? RTNORM : RTERROR;
}

int acdbEntLast(ads_name result) {
    if (result == nullptr) return RTERROR;
    ads_name_clear(result);
    db::Database* db = current();
    const db::Block* ms = db ? db->block(db->modelSpace()) : nullptr;
    if (ms == nullptr) return RTERROR;
    for (size_t i = ms->entities.size(); i-- > 0;) {
        const db::Object* o = db->object(ms->entities[i]);
        if (o && !o->erased && !db::isSubEntity(*o)) {
            api::nameOf(*db, ms->entities[i], result);
            return RTNORM;
        }
    }
    return RTERROR;
}

namespace {
// Index of an entity in its block's list; entities are appended in slot
// order, so a binary search finds it (a linear one if the order broke).
size_t positionIn(const db::Block& block, db::Slot slot) {
    auto it = std::lower_bound(block.entities.begin(), block.entities.end(), slot);
    if (it != block.entities.end() && *it == slot) return static_cast<size_t>(it - block.entities.begin());
    auto lin = std::find(block.entities.begin(), block.entities.end(), slot);
    return static_cast<size_t>(lin - block.entities.begin());
}

bool firstLive(const db::Database& db, const db::Block* block, size_t from, ads_name result) {
    if (block == nullptr) return false;
    for (size_t i = from; i < block->entities.size(); ++i) {
        const db::Object* o = db.object(block->entities[i]);
        if (o && !o->erased) {
            api::nameOf(db, block->entities[i], result);
            return true;
        }
    }
    return false;
}
} // namespace

int acdbEntNext(const ads_name entity, ads_name result) {
    if (result == nullptr) return RTERROR;
    ads_name_clear(result);
    db::Database* db = current();
    if (db == nullptr) return RTERROR;
    const db::Block* ms = db->block(db->modelSpace());
    const db::Block* ps = db->block(db->paperSpace());
    if (entity == nullptr || ads_name_nil(entity))
        return firstLive(*db, ms, 0, result) || firstLive(*db, ps, 0, result) ? RTNORM : RTERROR;
    db::Slot slot = api::slotOf(*db, entity);
    db::Slot owner = db->ownerBlock(slot);
    // An attribute or vertex stands in the block of its main entity.
    const db::Object* o = db->object(slot);
    if (owner == db::kNoSlot && o && db::isSubEntity(*o)) owner = db->ownerBlock(db->slotOf(o->owner));
    const db::Block* block = owner == db::kNoSlot ? nullptr : db->block(owner);
    if (block == nullptr) return RTERROR;
    if (firstLive(*db, block, positionIn(*block, slot) + 1, result)) return RTNORM;
    if (block == ms && firstLive(*db, ps, 0, result)) return RTNORM;
    return RTERROR;
}

int acdbHandEnt(const ACHAR* handle, ads_name result) {
    if (result) ads_name_clear(result);
    db::Database* db = current();
    db::Handle h;
    if (db == nullptr || handle == nullptr || result == nullptr || !db::parseHandle(api::narrow(handle), h))
        return RTERROR;
    db::Slot slot = db->slotOf(h);
    const db::Object* o = db->object(slot);
    if (o == nullptr || o->erased) return RTERROR;
    api::nameOf(*db, slot, result);
    return RTNORM;
}
