// Selection sets and selection filters.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "ads_entity.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "db/sub_entities.h"

namespace host::api {

using db::Group;

namespace {

// Set names are {id, kSetTag}: the tag is never a drawing serial, so a set
// name is never taken for an entity name.
constexpr long kSetTag = -0x5353;
constexpr size_t kMaxOpenSets = 128;

// A set's entities in order.  Sets made by acedSSGet never look a member
// up, so the index of members is made on the first look-up.
struct SelectionSet {
    uint32_t serial = 0;
    std::vector<db::Slot> items;

    bool contains(db::Slot s) { return index().count(s) != 0; }
    bool add(db::Slot s) {
        if (!index().insert(s).second) return false;
        items.push_back(s);
        return true;
    }
    bool remove(db::Slot s) {
        if (index().erase(s) == 0) return false;
        items.erase(std::find(items.begin(), items.end(), s));
        return true;
    }
    void clear() {
        items.clear();
        members.clear();
        indexed = false;
    }

private:
    std::unordered_set<db::Slot>& index() {
        if (!indexed) {
            members.insert(items.begin(), items.end());
            indexed = true;
        }
        return members;
    }
    std::unordered_set<db::Slot> members;
    bool indexed = false;
};

struct SetTable {
    std::unordered_map<long, SelectionSet> sets;
    long nextId = 1;
};
SetTable& table() {
    static SetTable t;
    return t;
}

InteractiveSelect& selectHook() {
    static InteractiveSelect hook;
    return hook;
}

SelectionSet* findSet(const ads_name name) {
    if (name == nullptr || name[1] != kSetTag) return nullptr;
    auto it = table().sets.find(name[0]);
    return it == table().sets.end() ? nullptr : &it->second;
}

bool newSet(ads_name name, SelectionSet set) {
    if (table().sets.size() >= kMaxOpenSets) {
        setError("too many open selection sets (free them with acedSSFree)");
        return false;
    }
    long id = table().nextId++;
    table().sets.emplace(id, std::move(set));
    name[0] = id;
    name[1] = kSetTag;
    return true;
}

// The drawing and slot an entity name stands for.
bool resolve(const ads_name entity, db::Database*& db, db::Slot& slot) {
    if (entity == nullptr || entity[1] <= 0) return false;
    db = db::Database::bySerial(static_cast<uint32_t>(entity[1]));
    slot = db ? slotOf(*db, entity) : db::kNoSlot;
    return slot != db::kNoSlot;
}

// ---- filters

// The relational operators of -4 groups.
enum class Op : uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Any, BitsAny, BitsAll, Unknown };

Op opOf(const std::string& text) {
    if (text == "=") return Op::Equal;
    if (text == "!=" || text == "/=" || text == "<>") return Op::NotEqual;
    if (text == "<") return Op::Less;
    if (text == "<=") return Op::LessEqual;
    if (text == ">") return Op::Greater;
    if (text == ">=") return Op::GreaterEqual;
    if (text == "*") return Op::Any;
    if (text == "&") return Op::BitsAny;
    if (text == "&=") return Op::BitsAll;
    return Op::Unknown;
}

// A pattern without wildcard characters is a plain name: wildcardMatch
// compares it with the same length, ASCII letters without case, which is
// what samePlainName does without the pattern engine.
bool isPlainName(std::string_view pattern) {
    for (char c : pattern)
        if (std::string_view("*?#@.~[],`").find(c) != std::string_view::npos) return false;
    return true;
}

bool samePlainName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x == y) continue;
        char lower = static_cast<char>(x | 0x20);
        if (lower != (y | 0x20) || lower < 'a' || lower > 'z') return false;
    }
    return true;
}

struct AppPattern {
    std::string text;
    bool plain = false;
};

struct Filter {
    enum Kind { Test, Apps, And, Or, Xor, Not } kind = And;
    Op op = Op::Equal;
    bool plain = false;  // a text test with a plain name (never binary)
    Group value;
    std::vector<AppPattern> apps;
    std::vector<Filter> children;
};

bool parseFilter(const db::Database& db, const resbuf*& rb, Filter& into, const std::string& closer, std::string& error) {
    Op op = Op::Equal;
    while (rb) {
        const resbuf* item = rb;
        rb = rb->rbnext;
        if (item->restype == -4) {
            std::string text = db::upperAscii(narrow(item->resval.rstring));
            if (text == closer) return true;
            Filter::Kind kind;
            std::string close;
            if (text == "<AND") kind = Filter::And, close = "AND>";
            else if (text == "<OR") kind = Filter::Or, close = "OR>";
            else if (text == "<XOR") kind = Filter::Xor, close = "XOR>";
            else if (text == "<NOT") kind = Filter::Not, close = "NOT>";
            else {
                op = opOf(text);  // a relational operator for the next group
                continue;
            }
            Filter group;
            group.kind = kind;
            if (!parseFilter(db, rb, group, close, error)) return false;
            into.children.push_back(std::move(group));
            continue;
        }
        if (item->restype == -3) {
            Filter apps;
            apps.kind = Filter::Apps;
            while (rb && rb->restype == 1001) {
                AppPattern app{narrow(rb->resval.rstring)};
                app.plain = isPlainName(app.text);
                apps.apps.push_back(std::move(app));
                rb = rb->rbnext;
            }
            into.children.push_back(std::move(apps));
            continue;
        }
        Filter test;
        test.kind = Filter::Test;
        test.op = op;
        op = Op::Equal;
        resbuf copy = *item;
        copy.restype = static_cast<short>(item->restype == RTDXF0 ? 0 : item->restype);
        if (copy.restype == -1) {
            copy.restype = 330;  // an entity-name test compares the object itself
        }
        if (!groupFromResbuf(db, copy, test.value, error)) return false;
        if (item->restype == -1) test.value.setCode(-1);
        test.plain = test.value.kind() == db::ValueKind::Text && isPlainName(test.value.asText());
        into.children.push_back(std::move(test));
    }
    if (!closer.empty()) {
        error = "the filter misses " + closer;
        return false;
    }
    return true;
}

template <class T>
bool compare(Op op, T a, T b) {
    switch (op) {
    case Op::Equal: return a == b;
    case Op::NotEqual: return a != b;
    case Op::Less: return a < b;
    case Op::LessEqual: return a <= b;
    case Op::Greater: return a > b;
    case Op::GreaterEqual: return a >= b;
    case Op::Any: return true;
    default: return false;
    }
}

bool textMatches(const Filter& f, std::string_view have) {
    std::string_view want = f.value.asText();
    return f.plain ? samePlainName(want, have) : wildcardMatch(want, have);
}

bool testGroup(const Filter& f, const db::Object& o, db::Handle handle) {
    const Group& want = f.value;
    int code = want.code();
    if (f.op == Op::Any) return true;
    if (code == -1) return compare(f.op, handle, want.asHandle());
    Group have;
    if (code == 0) {
        // The type name, as a text test reads it, without a copy.
        if (want.kind() == db::ValueKind::Text) {
            bool hit = textMatches(f, o.typeName());
            if (f.op == Op::NotEqual) return !hit;
            return f.op == Op::Equal ? hit : compare(f.op, std::string(o.typeName()), std::string(want.asText()));
        }
        have = Group::text(0, o.typeName());
    } else if (const Group* g = db::findGroup(o, code, 0, db::xdataBegin(o))) {
        have = *g;
    } else if (code == 62) {
        have = Group::integer(62, 256);
    } else if (code == 6) {
        have = Group::text(6, "BYLAYER");
    } else if (code == 67) {
        have = Group::integer(67, 0);
    } else {
        return false;
    }
    switch (want.kind()) {
    case db::ValueKind::Text:
    case db::ValueKind::Binary: {
        bool hit = textMatches(f, have.asText());
        if (f.op == Op::NotEqual) return !hit;
        return f.op == Op::Equal ? hit : compare(f.op, std::string(have.asText()), std::string(want.asText()));
    }
    case db::ValueKind::Real: return compare(f.op, have.asReal(), want.asReal());
    case db::ValueKind::Point:
        for (int i = 0; i < 3; ++i)
            if (!compare(f.op, have.asPoint()[i], want.asPoint()[i])) return false;
        return true;
    case db::ValueKind::Handle: return compare(f.op, have.asHandle(), want.asHandle());
    default:
        if (f.op == Op::BitsAny) return (have.asInt() & want.asInt()) != 0;
        if (f.op == Op::BitsAll) return (have.asInt() & want.asInt()) == want.asInt();
        return compare(f.op, have.asInt(), want.asInt());
    }
}

// Only XDATA holds 1001 groups: one pass over the object's groups.
bool hasApp(const db::Object& o, const AppPattern& app) {
    for (const Group& g : o.groups)
        if (g.code() == 1001 && (app.plain ? samePlainName(app.text, g.asText()) : wildcardMatch(app.text, g.asText())))
            return true;
    return false;
}

bool matches(const Filter& f, const db::Object& o) {
    switch (f.kind) {
    case Filter::Test: return testGroup(f, o, o.handle);
    case Filter::Apps:
        for (const AppPattern& app : f.apps)
            if (!hasApp(o, app)) return false;
        return true;
    case Filter::And:
        for (const Filter& c : f.children)
            if (!matches(c, o)) return false;
        return true;
    case Filter::Or:
        for (const Filter& c : f.children)
            if (matches(c, o)) return true;
        return false;
    case Filter::Xor: {
        int n = 0;
        for (const Filter& c : f.children) n += matches(c, o);
        return n == 1;
    }
    case Filter::Not:
        for (const Filter& c : f.children)
            if (matches(c, o)) return false;
        return true;
    }
    return false;
}

} // namespace

void setInteractiveSelectHook(InteractiveSelect hook) { selectHook() = std::move(hook); }

int makeSelectionSet(const std::vector<db::Slot>& slots, ads_name set) {
    db::Database* db = current();
    if (db == nullptr || set == nullptr) return RTERROR;
    SelectionSet s;
    s.serial = db->serial();
    for (db::Slot slot : slots)
        if (db->object(slot)) s.add(slot);
    return newSet(set, std::move(s)) ? RTNORM : RTERROR;
}

size_t openSelectionSetCount() { return table().sets.size(); }

void forgetSelectionSets(uint32_t serial) {
    for (auto& [id, set] : table().sets)
        if (set.serial == serial) set.clear();
}

} // namespace host::api

using namespace host;

int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name set) {
    if (set == nullptr) return RTERROR;
    ads_name_clear(set);
    db::Database* db = api::current();
    if (db == nullptr) return RTERROR;
    api::Filter root;
    std::string error;
    const resbuf* cursor = filter;
    if (!api::parseFilter(*db, cursor, root, "", error)) {
        api::setError("acedSSGet: " + error);
        return RTERROR;
    }
    std::string m = mode ? db::upperAscii(api::narrow(mode)) : std::string();
    if (!m.empty() && m[0] == '_') m.erase(0, 1);

    std::vector<db::Slot> candidates;
    if (m == "X") {
        for (db::Slot space : {db->modelSpace(), db->paperSpace()})
            if (const db::Block* b = db->block(space)) candidates.insert(candidates.end(), b->entities.begin(), b->entities.end());
    } else {
        if (!api::selectHook()) return RTERROR;
        int status = api::selectHook()(mode, pt1, pt2, candidates);
        if (status != RTNORM) return status;
    }
    // Each entity once, in the order found.
    api::SelectionSet chosen;
    chosen.serial = db->serial();
    std::vector<bool> taken(db->slotCount());
    for (db::Slot s : candidates) {
        const db::Object* o = db->object(s);
        // Attributes, vertices and SEQENDs are selected only with their main entity.
        if (o && !o->erased && !db::isSubEntity(*o) && !taken[s] && api::matches(root, *o)) {
            taken[s] = true;
            chosen.items.push_back(s);
        }
    }
    if (chosen.items.empty()) return RTERROR;
    return api::newSet(set, std::move(chosen)) ? RTNORM : RTERROR;
}

int acedSSFree(const ads_name set) {
    if (api::findSet(set) == nullptr) return RTERROR;
    api::table().sets.erase(set[0]);
    return RTNORM;
}

int acedSSLength(const ads_name set, long* length) {
    api::SelectionSet* s = api::findSet(set);
    if (s == nullptr || length == nullptr) return RTERROR;
    *length = static_cast<long>(s->items.size());
    return RTNORM;
}

int acedSSName(const ads_name set, long index, ads_name entity) {
    api::SelectionSet* s = api::findSet(set);
    if (entity) ads_name_clear(entity);
    if (s == nullptr || entity == nullptr || index < 0 || static_cast<size_t>(index) >= s->items.size())
        return RTERROR;
    entity[0] = static_cast<long>(s->items[static_cast<size_t>(index)]) + 1;
    entity[1] = static_cast<long>(s->serial);
    return RTNORM;
}

int acedSSAdd(const ads_name entity, const ads_name set, ads_name result) {
    if (result == nullptr) return RTERROR;
    bool noEntity = entity == nullptr || ads_name_nil(entity);
    db::Database* db = nullptr;
    db::Slot slot = db::kNoSlot;
    if (!noEntity && !api::resolve(entity, db, slot)) return RTERROR;
    if (set == nullptr || ads_name_nil(set)) {
        api::SelectionSet s;
        if (!noEntity) {
            s.serial = db->serial();
            s.add(slot);
        } else if (db::Database* cur = api::current()) {
            s.serial = cur->serial();
        }
        return api::newSet(result, std::move(s)) ? RTNORM : RTERROR;
    }
    api::SelectionSet* s = api::findSet(set);
    if (s == nullptr || noEntity) return RTERROR;
    if (s->items.empty()) s->serial = db->serial();
    if (s->serial != db->serial()) return RTERROR;
    s->add(slot);
    ads_name_set(set, result);
    return RTNORM;
}

int acedSSDel(const ads_name entity, const ads_name set) {
    api::SelectionSet* s = api::findSet(set);
    db::Database* db = nullptr;
    db::Slot slot = db::kNoSlot;
    if (s == nullptr || !api::resolve(entity, db, slot) || db->serial() != s->serial) return RTERROR;
    return s->remove(slot) ? RTNORM : RTERROR;
}

int acedSSMemb(const ads_name entity, const ads_name set) {
    api::SelectionSet* s = api::findSet(set);
    if (s == nullptr || entity == nullptr || entity[1] != static_cast<long>(s->serial) || entity[0] <= 0) return RTERROR;
    return s->contains(static_cast<db::Slot>(entity[0] - 1)) ? RTNORM : RTERROR;
}
