#include "db/object.h"

#include <string>
#include <unordered_map>

namespace host::db {

namespace {
struct TypeRegistry {
    std::vector<std::string> names{""};
    std::unordered_map<std::string, TypeId> ids{{"", 0}};
};
TypeRegistry& registry() {
    static TypeRegistry r;
    return r;
}
} // namespace

TypeId internType(std::string_view name) {
    TypeRegistry& r = registry();
    auto it = r.ids.find(std::string(name));
    if (it != r.ids.end()) return it->second;
    if (r.names.size() >= UINT16_MAX) return 0;  // absurd number of types: share the empty name
    TypeId id = static_cast<TypeId>(r.names.size());
    r.names.emplace_back(name);
    r.ids.emplace(std::string(name), id);
    return id;
}

std::string_view typeName(TypeId type) {
    const TypeRegistry& r = registry();
    return type < r.names.size() ? std::string_view(r.names[type]) : std::string_view();
}

bool Object::isType(std::string_view name) const { return typeName() == name; }

size_t xdataBegin(const Object& object) {
    for (size_t i = 0; i < object.groups.size(); ++i)
        if (object.groups[i].code() == 1001) return i;
    return object.groups.size();
}

const Group* findGroup(const Object& object, int code, size_t from, size_t to) {
    to = std::min(to, object.groups.size());
    for (size_t i = from; i < to; ++i)
        if (object.groups[i].code() == code) return &object.groups[i];
    return nullptr;
}

Group* findGroup(Object& object, int code, size_t from, size_t to) {
    return const_cast<Group*>(findGroup(static_cast<const Object&>(object), code, from, to));
}

std::string_view groupText(const Object& object, int code) {
    const Group* g = findGroup(object, code);
    return g ? g->asText() : std::string_view();
}

} // namespace host::db
