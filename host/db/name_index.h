// The names of one symbol table, folded (foldName), each to its record.
// Anonymous block names the host numbers itself ("*U12", "*D3") are kept
// in arrays by letter and number: a drawing of elements makes one such
// block per element, and an array takes them with no hashing, no node per
// name and no scattered look-ups.  Every other name is in a hash map.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/object.h"

namespace host::db {

class NameIndex {
public:
    // The record of a folded name; kNoSlot when none.
    Slot find(const std::string& folded) const;
    // False when the name is taken.
    bool insert(std::string folded, Slot slot);
    // Removes the name when it is that record's.
    void erase(const std::string& folded, Slot slot);

private:
    // Whether a folded name is "*" + letter + number (no leading zero) of
    // at most kMostNumbered; gives the array and place.
    static bool numbered(std::string_view folded, size_t& letter, size_t& number);
    static constexpr size_t kMostNumbered = size_t{1} << 22;

    std::unordered_map<std::string, Slot> names_;
    std::vector<Slot> numbered_[26];
};

} // namespace host::db
