#include "db/object.h"

#include <cstring>

#include <array>
#include <atomic>
#include <deque>
#include <mutex>
#include <string>

#include "db/name_map.h"

namespace host::db {

namespace {

// Type names for the session.  Readers on several threads may ask for
// names while another thread adds one: the names never move, the table of
// them is read atomically and added to under a lock.
struct TypeRegistry {
    std::mutex lock;
    std::deque<std::string> names;
    NameMap<TypeId> ids;
    std::array<std::atomic<const std::string*>, 65536> byId{};
    TypeRegistry() {
        names.emplace_back();
        ids.emplace("", 0);
        byId[0].store(&names.back(), std::memory_order_release);
    }
};
TypeRegistry& registry() {
    static TypeRegistry r;
    return r;
}
} // namespace

namespace {
// The types a thread interned last: most calls name one of a few types
// again, and a name's id never changes, so these spare the lock and hash.
struct RecentType {
    char text[15];
    uint8_t length = 0xFF;
    TypeId id = 0;
};
constexpr size_t kRecentTypes = 16;  // more than the types one element uses
thread_local RecentType recentTypes[kRecentTypes];
thread_local size_t nextRecentType = 0;
} // namespace

static TypeId internTypeLocked(std::string_view name);

TypeId internType(std::string_view name) {
    // Only short names are remembered; an empty entry's length (0xFF) is
    // then never a name's.
    const bool short_ = name.size() <= sizeof recentTypes[0].text;
    if (short_)
        for (const RecentType& r : recentTypes)
            if (r.length == name.size() && std::memcmp(r.text, name.data(), name.size()) == 0) return r.id;
    TypeId id = internTypeLocked(name);
    if (short_) {
        RecentType& r = recentTypes[nextRecentType];
        nextRecentType = (nextRecentType + 1) % kRecentTypes;
        std::memcpy(r.text, name.data(), name.size());
        r.length = static_cast<uint8_t>(name.size());
        r.id = id;
    }
    return id;
}

static TypeId internTypeLocked(std::string_view name) {
    TypeRegistry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = r.ids.find(name);
    if (it != r.ids.end()) return it->second;
    if (r.names.size() >= r.byId.size()) return 0;  // absurd number of types: share the empty name
    TypeId id = static_cast<TypeId>(r.names.size());
    r.names.emplace_back(name);
    r.ids.emplace(std::string(name), id);
    r.byId[id].store(&r.names.back(), std::memory_order_release);
    return id;
}

std::string_view typeName(TypeId type) {
    const std::string* name = registry().byId[type].load(std::memory_order_acquire);
    return name ? std::string_view(*name) : std::string_view();
}

bool Object::isType(std::string_view name) const { return typeName() == name; }

size_t xdataBegin(const Object& object) {
    for (size_t i = 0; i < object.groups.size(); ++i)
        if (object.groups[i].code() == 1001) return i;
    return object.groups.size();
}

const Group* findGroup(const GroupList& groups, int code, size_t from, size_t to) {
    to = std::min(to, groups.size());
    for (size_t i = from; i < to; ++i)
        if (groups[i].code() == code) return &groups[i];
    return nullptr;
}

const Group* findGroup(const Object& object, int code, size_t from, size_t to) {
    return findGroup(object.groups, code, from, to);
}

Group* findGroup(Object& object, int code, size_t from, size_t to) {
    return const_cast<Group*>(findGroup(static_cast<const Object&>(object), code, from, to));
}

std::string_view groupText(const GroupList& groups, int code) {
    const Group* g = findGroup(groups, code);
    return g ? g->asText() : std::string_view();
}

std::string_view groupText(const Object& object, int code) { return groupText(object.groups, code); }

} // namespace host::db
