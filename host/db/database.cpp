#include "db/database.h"
#include "db/sub_entities.h"

#include <algorithm>
#include <cstring>

namespace host::db {

namespace {
// An XDATA handle: text, so that "0", "" and text of no handle stay as given.
constexpr int kXdataHandleCode = 1005;
uint32_t nextSerial = 1;
DatabaseListener* listener = nullptr;

std::unordered_map<uint32_t, Database*>& liveDatabases() {
    static std::unordered_map<uint32_t, Database*> map;
    return map;
}

const char* const kTableNames[kTableCount] = {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW",
                                              "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"};
} // namespace

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

namespace {
uint32_t upperCodePoint(uint32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~1u;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1u) ? c : c - 1;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

void appendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
} // namespace

std::string foldName(std::string_view text) {
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return upperAscii(text);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        // Two- and three-byte sequences are folded; anything else is copied.
        if ((b & 0xE0) == 0xC0 && i + 1 < text.size() && (text[i + 1] & 0xC0) == 0x80) {
            uint32_t c = (b & 0x1Fu) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            appendUtf8(out, upperCodePoint(c));
            i += 2;
        } else {
            out += static_cast<char>(b < 0x80 ? upperCodePoint(b) : b);
            ++i;
        }
    }
    return out;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    // Folding keeps the byte length (every folded pair has the same UTF-8
    // length), so names of different lengths never match.
    if (a.size() != b.size()) return false;
    bool ascii = true;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y) continue;
        if ((x | y) >= 0x80) {
            ascii = false;
            break;
        }
        // ASCII letters differ in case by the 0x20 bit only.
        unsigned char lower = static_cast<unsigned char>(x | 0x20);
        if (lower != (y | 0x20) || lower < 'a' || lower > 'z') return false;
    }
    if (ascii) return true;
    return foldName(a) == foldName(b);
}

std::string_view tableName(Table table) {
    size_t i = static_cast<size_t>(table);
    return i < kTableCount ? kTableNames[i] : "";
}

bool tableByName(std::string_view name, Table& table) {
    for (size_t i = 0; i < kTableCount; ++i)
        if (equalNoCase(name, kTableNames[i])) {
            table = static_cast<Table>(i);
            return true;
        }
    return false;
}

DatabaseListener* setDatabaseListener(DatabaseListener* next) {
    DatabaseListener* old = listener;
    listener = next;
    return old;
}

Database::Database() : serial_(nextSerial++) {
    std::fill(std::begin(heads_), std::end(heads_), kNoSlot);
    liveDatabases()[serial_] = this;
}

Database::~Database() {
    liveDatabases().erase(serial_);
    if (listener) listener->databaseGone(serial_);
}

Database* Database::bySerial(uint32_t serial) {
    auto it = liveDatabases().find(serial);
    return it == liveDatabases().end() ? nullptr : it->second;
}

Slot Database::slotOf(Handle handle) const {
    if (handle < denseHandles_.size()) return denseHandles_[handle];
    auto it = sparseHandles_.find(handle);
    return it == sparseHandles_.end() ? kNoSlot : it->second;
}

bool Database::indexHandle(Handle handle, Slot slot) {
    if (handle == 0 || slotOf(handle) != kNoSlot) return false;
    // Dense while the handle is within reach of the object count.
    Handle reach = 4 * static_cast<Handle>(count_) + 4096;
    if (handle < reach) {
        if (handle >= denseHandles_.size()) {
            size_t size = std::max<size_t>(static_cast<size_t>(handle) + 1, denseHandles_.size() * 2);
            denseHandles_.resize(std::min<size_t>(size, static_cast<size_t>(reach)), kNoSlot);
            // Far handles now within the vector move into it.
            for (auto it = sparseHandles_.begin(); it != sparseHandles_.end();) {
                if (it->first < denseHandles_.size()) {
                    denseHandles_[it->first] = it->second;
                    it = sparseHandles_.erase(it);
                } else {
                    ++it;
                }
            }
        }
        denseHandles_[handle] = slot;
    } else {
        sparseHandles_.emplace(handle, slot);
    }
    return true;
}

void Database::unindexHandle(Handle handle) {
    if (handle < denseHandles_.size()) denseHandles_[handle] = kNoSlot;
    else sparseHandles_.erase(handle);
}

Slot Database::add(Object&& object) {
    if (count_ >= kNoSlot - 1) return kNoSlot;
    // An object's own links are kept back before it takes a handle.
    reserveLinks(object.groups);
    if (object.handle == 0) {
        object.handle = freeHandle();
        if (object.handle == 0) return kNoSlot;
    } else if (slotOf(object.handle) != kNoSlot) {
        return kNoSlot;
    }
    // Past FFFFFFFFFFFFFFFF the seed is 0, spent: a handle stored later,
    // however low, does not bring it back below the top one.
    if (nextHandle_ != 0 && object.handle >= nextHandle_) nextHandle_ = object.handle + 1;
    Slot slot = static_cast<Slot>(count_);
    // The handle is known to be free: within the dense index it is one store.
    if (object.handle < denseHandles_.size()) denseHandles_[object.handle] = slot;
    else indexHandle(object.handle, slot);
    if (count_ % kChunk == 0) chunks_.push_back(std::make_unique<Object[]>(kChunk));
    at(slot) = std::move(object);
    ++count_;
    return slot;
}

void Database::raiseHandseed(Handle atLeast) {
    if (nextHandle_ != 0 && atLeast > nextHandle_) nextHandle_ = atLeast;
}

void Database::purgeSince(Slot mark) {
    std::vector<Slot> made;
    for (Slot s = mark; s < count_; ++s)
        if (object(s)) made.push_back(s);
    if (made.empty()) return;
    // A sub-entity stands in the list of its main entity's block, which
    // purge() does not look for.
    for (Slot s : made) {
        const Object& o = at(s);
        if (o.cls != ObjectClass::Entity || !isSubEntity(o)) continue;
        if (Block* b = block(ownerBlock(slotOf(o.owner)))) std::erase(b->entities, s);
    }
    purge(made);
}

Handle Database::freeHandle() {
    reservedLinks_.erase(reservedLinks_.begin(), reservedLinks_.lower_bound(nextHandle_));
    // Each number passed is passed for good: a handle costs O(log n) spread
    // over the handles given.
    while (nextHandle_ != 0) {
        if (!reservedLinks_.empty() && *reservedLinks_.begin() == nextHandle_) {
            reservedLinks_.erase(reservedLinks_.begin());
            ++nextHandle_;
        } else if (slotOf(nextHandle_) != kNoSlot) {
            ++nextHandle_;
        } else {
            break;
        }
    }
    return nextHandle_;
}

Handle Database::handseed() const {
    Handle seed = nextHandle_;
    // A link at FFFFFFFFFFFFFFFF leaves none: the step past it ends at 0.
    for (auto it = reservedLinks_.lower_bound(seed); seed != 0 && it != reservedLinks_.end() && *it == seed; ++it)
        ++seed;
    return seed;
}

void Database::reserveLink(std::string_view text) {
    Handle handle = 0;
    // A spent seed gives no number: nothing to keep back.
    if (nextHandle_ != 0 && parseHandle(text, handle) && handle >= nextHandle_) reservedLinks_.insert(handle);
}

void Database::reserveLinks(const GroupList& groups) {
    for (const Group& g : groups)
        if (g.code() == kXdataHandleCode && g.kind() == ValueKind::Text) reserveLink(g.asText());
}

Handle Database::savedHandseed() const {
    Handle seed = handseed();
    if (seed == 0) return UINT64_MAX;
    for (auto it = reservedLinks_.lower_bound(seed); it != reservedLinks_.end(); ++it) {
        if (*it - seed >= kLinkReach || *it == UINT64_MAX) break;
        seed = *it + 1;
    }
    return seed;
}

void Database::purge(Slot slot) {
    Object* obj = object(slot);
    if (obj == nullptr) return;
    Slot owner = ownerBlock(slot);
    if (Block* b = owner == kNoSlot ? nullptr : block(owner)) {
        auto it = std::find(b->entities.begin(), b->entities.end(), slot);
        if (it != b->entities.end()) b->entities.erase(it);
    }
    forget(slot, *obj);
}

bool Database::setErased(Slot slot, bool erased) {
    Object* obj = object(slot);
    if (obj == nullptr || obj->erased == erased) return false;
    obj->erased = erased;
    if (listener) listener->erasedChanged(*this, slot, erased);
    // An insert's attributes and a polyline's vertices go and come back
    // with it: left behind, they would stand alone in a saved file.
    if (mayOwnSubEntities(*obj))
        for (Slot sub : subEntitiesOf(*this, slot)) setErased(sub, erased);
    return true;
}

// ---- symbol tables

void Database::setTableHead(Table table, Slot head) { heads_[static_cast<size_t>(table)] = head; }

namespace {
// The names found last, per thread and table: two, since entities often
// alternate between two layers or linetypes.  An entry holds for one
// drawing and one state of its name maps.
struct RecentName {
    uint32_t serial = 0;
    uint64_t changes = 0;
    Slot slot = kNoSlot;
    uint8_t length = 0;
    char text[31];
    uint8_t spelledLength = 0;  // 0xFF: too long to keep here
    char spelled[31];           // the record's own name
};
struct RecentNames {
    RecentName entries[kTableCount][2];
};
thread_local RecentNames recentNames;
} // namespace

Slot Database::findRecord(Table table, std::string_view name) const {
    std::string_view spelled;
    return findRecord(table, name, spelled);
}

Slot Database::findRecord(Table table, std::string_view name, std::string_view& spelled) const {
    spelled = {};
    size_t t = static_cast<size_t>(table);
    if (t >= kTableCount) return kNoSlot;
    RecentName* recent = recentNames.entries[t];
    for (int i = 0; i < 2; ++i) {
        const RecentName& r = recent[i];
        if (r.slot != kNoSlot && r.serial == serial_ && r.changes == namesChanged_[t] && r.length == name.size() &&
            std::equal(name.begin(), name.end(), r.text)) {
            spelled = r.spelledLength != 0xFF ? std::string_view(r.spelled, r.spelledLength)
                                              : groupText(*object(r.slot), 2);
            return r.slot;
        }
    }
    Slot found = names_[t].find(foldName(name));
    if (found == kNoSlot) return kNoSlot;
    const Object* record = object(found);
    spelled = record ? groupText(*record, 2) : std::string_view();
    rememberName(table, name, found, spelled);
    return found;
}

// Keeps a name found (or just added) as the table's most recent one.
void Database::rememberName(Table table, std::string_view name, Slot slot, std::string_view spelled) const {
    size_t t = static_cast<size_t>(table);
    RecentName* recent = recentNames.entries[t];
    if (name.size() > sizeof recent[0].text) return;
    recent[1] = recent[0];
    RecentName& r = recent[0];
    r.serial = serial_;
    r.changes = namesChanged_[t];
    r.slot = slot;
    r.length = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), r.text);  // may be empty: a damaged file's record
    r.spelledLength = spelled.size() <= sizeof r.spelled ? static_cast<uint8_t>(spelled.size()) : 0xFF;
    if (r.spelledLength != 0xFF) std::copy(spelled.begin(), spelled.end(), r.spelled);
}

bool Database::addRecord(Table table, Slot record) {
    size_t t = static_cast<size_t>(table);
    Object* obj = object(record);
    if (t >= kTableCount || obj == nullptr) return false;
    // A new name leaves every name found before as it was: no change to count.
    std::string_view name = groupText(*obj, 2);
    if (!names_[t].insert(foldName(name), record)) return false;
    if (table == Table::BlockRecord) noteBlockName(name);
    rememberName(table, name, record, name);
    records_[t].push_back(record);
    obj->cls = ObjectClass::TableRecord;
    if (const Object* head = object(heads_[t])) obj->owner = head->handle;
    return true;
}

void Database::addUnnamedRecord(Table table, Slot record) {
    size_t t = static_cast<size_t>(table);
    Object* obj = object(record);
    if (t >= kTableCount || obj == nullptr) return;
    records_[t].push_back(record);
    obj->cls = ObjectClass::TableRecord;
    if (const Object* head = object(heads_[t])) obj->owner = head->handle;
}

bool Database::renameRecord(Table table, Slot record, std::string_view name) {
    size_t t = static_cast<size_t>(table);
    Object* obj = object(record);
    if (t >= kTableCount || obj == nullptr || name.empty()) return false;
    std::string key = foldName(name);
    Slot found = names_[t].find(key);
    if (found != kNoSlot && found != record) return false;
    names_[t].erase(foldName(groupText(*obj, 2)), record);
    names_[t].insert(std::move(key), record);
    if (table == Table::BlockRecord) noteBlockName(name);
    ++namesChanged_[t];
    if (Group* g = findGroup(*obj, 2)) *g = Group::text(2, name);
    else obj->groups.push_back(Group::text(2, name));
    return true;
}

// ---- blocks

Block* Database::block(Slot record) {
    auto it = blocks_.find(record);
    return it == blocks_.end() ? nullptr : &it->second;
}

const Block* Database::block(Slot record) const {
    auto it = blocks_.find(record);
    return it == blocks_.end() ? nullptr : &it->second;
}

Block* Database::findBlock(std::string_view name) {
    Slot record = findRecord(Table::BlockRecord, name);
    return record == kNoSlot ? nullptr : block(record);
}

Block* Database::addBlock(Slot record) {
    if (object(record) == nullptr) return nullptr;
    Block& b = blocks_[record];
    b.record = record;
    return &b;
}

void Database::setBlockObjects(Slot record, Slot begin, Slot end) {
    Block* b = block(record);
    const Object* rec = object(record);
    if (b == nullptr || rec == nullptr) return;
    b->begin = begin;
    b->end = end;
    if (Object* o = object(begin)) {
        o->cls = ObjectClass::BlockBegin;
        o->owner = rec->handle;
    }
    if (Object* o = object(end)) {
        o->cls = ObjectClass::BlockEnd;
        o->owner = rec->handle;
    }
}

bool Database::appendEntity(Slot record, Slot entity) {
    Block* b = block(record);
    Object* obj = object(entity);
    if (b == nullptr || obj == nullptr) return false;
    b->entities.push_back(entity);
    obj->owner = object(record)->handle;
    obj->cls = ObjectClass::Entity;
    return true;
}

bool Database::addEntities(Slot record, std::vector<Object>& entities) {
    Block* b = block(record);
    const Object* rec = object(record);
    if (b == nullptr || rec == nullptr) return false;
    Handle owner = rec->handle;
    b->entities.reserve(b->entities.size() + entities.size());
    bool all = true;
    for (Object& o : entities) {
        o.owner = owner;
        o.cls = ObjectClass::Entity;
        Slot slot = add(std::move(o));
        if (slot != kNoSlot) b->entities.push_back(slot);
        else all = false;
    }
    entities.clear();
    return all;
}

void Database::setSpaces(Slot modelSpaceRecord, Slot paperSpaceRecord) {
    modelSpace_ = modelSpaceRecord;
    paperSpace_ = paperSpaceRecord;
}

std::string Database::nextAnonymousName(char letter) {
    // The counter stays above the number of every block named "*<letter><n>"
    // (noteBlockName), so the next number is free without a look-up.
    return std::string("*") + letter + std::to_string(++anonymousCounter_);
}

void Database::noteBlockName(std::string_view name) {
    if (name.size() < 3 || name.size() > 20 || name[0] != '*') return;
    uint64_t n = 0;
    for (char c : name.substr(2)) {
        if (c < '0' || c > '9') return;
        n = n * 10 + static_cast<uint64_t>(c - '0');
    }
    anonymousCounter_ = std::max(anonymousCounter_, n);
}

void Database::purge(const std::vector<Slot>& slots) {
    if (slots.empty()) return;
    // One pass over each block that holds any of them, not one per object.
    std::vector<bool> going(count_, false);
    std::vector<Slot> owners;
    for (Slot slot : slots) {
        if (object(slot) == nullptr || going[slot]) continue;
        going[slot] = true;
        if (Slot owner = ownerBlock(slot); owner != kNoSlot) owners.push_back(owner);
    }
    std::sort(owners.begin(), owners.end());
    owners.erase(std::unique(owners.begin(), owners.end()), owners.end());
    for (Slot owner : owners)
        if (Block* b = block(owner))
            b->entities.erase(std::remove_if(b->entities.begin(), b->entities.end(),
                                             [&](Slot s) { return s < going.size() && going[s]; }),
                              b->entities.end());
    for (Slot slot : slots)
        if (Object* obj = object(slot)) forget(slot, *obj);
}

void Database::forget(Slot slot, Object& obj) {
    if (obj.cls == ObjectClass::TableRecord) {
        Table t;
        if (tableByName(obj.typeName(), t)) {
            auto& list = records_[static_cast<size_t>(t)];
            list.erase(std::remove(list.begin(), list.end(), slot), list.end());
            names_[static_cast<size_t>(t)].erase(foldName(groupText(obj, 2)), slot);
            ++namesChanged_[static_cast<size_t>(t)];
        }
        blocks_.erase(slot);
    }
    unindexHandle(obj.handle);
    obj.groups.clear();
    obj.groups.shrink_to_fit();
    obj.handle = 0;  // the slot's mark of a purged object
}

Slot Database::ownerBlock(Slot entity) const {
    const Object* obj = object(entity);
    if (obj == nullptr || obj->cls != ObjectClass::Entity) return kNoSlot;
    Slot owner = slotOf(obj->owner);
    return block(owner) ? owner : kNoSlot;
}

bool Database::isMainEntity(Slot entity) const {
    Slot owner = ownerBlock(entity);
    return owner != kNoSlot && (owner == modelSpace_ || owner == paperSpace_);
}

// ---- dictionaries

Slot Database::dictionaryLookup(Slot dictionary, std::string_view key) const {
    const Object* dict = object(dictionary);
    if (dict == nullptr) return kNoSlot;
    const auto& g = dict->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i)
        if (g[i].code() == 3 && equalNoCase(g[i].asText(), key) && g[i + 1].kind() == ValueKind::Handle)
            return slotOf(g[i + 1].asHandle());
    return kNoSlot;
}

bool Database::dictionaryAdd(Slot dictionary, std::string_view key, Slot entry, bool hardOwner) {
    Object* dict = object(dictionary);
    Object* obj = object(entry);
    if (dict == nullptr || obj == nullptr || key.empty()) return false;
    const auto& g = dict->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i)
        if (g[i].code() == 3 && equalNoCase(g[i].asText(), key)) return false;
    // Entries go before a default's part (its marker and pointer), which
    // ends the body of a dictionary with a default.
    size_t at = xdataBegin(*dict);
    for (size_t i = 0; i < at; ++i)
        if (g[i].code() == 100 && g[i].asText() == "AcDbDictionaryWithDefault") at = i;
    Group pair[2] = {Group::text(3, key), Group::handle(hardOwner ? 360 : 350, obj->handle)};
    dict->groups.insert(dict->groups.begin() + static_cast<ptrdiff_t>(at), std::begin(pair), std::end(pair));
    obj->owner = dict->handle;
    return true;
}

bool Database::dictionaryRemove(Slot dictionary, std::string_view key) {
    Object* dict = object(dictionary);
    if (dict == nullptr) return false;
    auto& g = dict->groups;
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        if (g[i].code() != 3 || !equalNoCase(g[i].asText(), key) || g[i + 1].kind() != ValueKind::Handle)
            continue;
        if (Object* obj = object(slotOf(g[i + 1].asHandle())))
            if (obj->owner == dict->handle) obj->owner = 0;
        g.erase(g.begin() + static_cast<ptrdiff_t>(i), g.begin() + static_cast<ptrdiff_t>(i) + 2);
        return true;
    }
    return false;
}

// ---- header

size_t Database::headerIndex(std::string_view name) const {
    // The same variable is asked for again and again ($CLAYER for every
    // entity that names no layer): the last one found is tried first.
    if (lastHeader_ < header_.size() && header_[lastHeader_].name == name) return lastHeader_;
    for (size_t i = 0; i < header_.size(); ++i)
        if (equalNoCase(header_[i].name, name)) return lastHeader_ = i;
    return header_.size();
}

HeaderVariable* Database::headerVariable(std::string_view name) {
    size_t i = headerIndex(name);
    return i < header_.size() ? &header_[i] : nullptr;
}

void Database::setHeaderVariable(std::string_view name, Group value) {
    if (HeaderVariable* v = headerVariable(name)) {
        v->groups.assign(1, std::move(value));
        return;
    }
    header_.push_back({std::string(name), {std::move(value)}});
}

std::string_view Database::headerText(std::string_view name) const {
    size_t i = headerIndex(name);
    if (i == header_.size() || header_[i].groups.empty()) return {};
    return header_[i].groups[0].asText();
}

std::vector<Slot> Database::objectsSectionOrder() const {
    std::vector<Slot> order;
    if (object(namedObjects_)) order.push_back(namedObjects_);
    for (Slot s = 0; s < count_; ++s) {
        if (s == namedObjects_ || object(s) == nullptr) continue;
        const Object& o = at(s);
        if (o.cls == ObjectClass::NonGraphical && !o.erased && o.owner != 0) order.push_back(s);
    }
    return order;
}

} // namespace host::db
