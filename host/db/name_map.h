// A map by name that is looked up by std::string_view as it is, without
// making a std::string of the key on every look-up.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace host::db {

struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

template <class T>
using NameMap = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

} // namespace host::db
