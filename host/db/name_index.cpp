#include "db/name_index.h"

namespace host::db {

bool NameIndex::numbered(std::string_view folded, size_t& letter, size_t& number) {
    if (folded.size() < 3 || folded.size() > 9 || folded[0] != '*' || folded[1] < 'A' || folded[1] > 'Z') return false;
    if (folded[2] == '0' && folded.size() > 3) return false;  // "*U07" is a name of its own
    number = 0;
    for (char c : folded.substr(2)) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    letter = static_cast<size_t>(folded[1] - 'A');
    return number < kMostNumbered;
}

Slot NameIndex::find(const std::string& folded) const {
    size_t letter, number;
    if (numbered(folded, letter, number))
        return number < numbered_[letter].size() ? numbered_[letter][number] : kNoSlot;
    auto it = names_.find(folded);
    return it == names_.end() ? kNoSlot : it->second;
}

bool NameIndex::insert(std::string folded, Slot slot) {
    size_t letter, number;
    if (!numbered(folded, letter, number)) return names_.try_emplace(std::move(folded), slot).second;
    std::vector<Slot>& array = numbered_[letter];
    if (number >= array.size()) array.resize(std::max(number + 1, array.size() * 2), kNoSlot);
    if (array[number] != kNoSlot) return false;
    array[number] = slot;
    return true;
}

void NameIndex::erase(const std::string& folded, Slot slot) {
    size_t letter, number;
    if (numbered(folded, letter, number)) {
        if (number < numbered_[letter].size() && numbered_[letter][number] == slot) numbered_[letter][number] = kNoSlot;
        return;
    }
    auto it = names_.find(folded);
    if (it != names_.end() && it->second == slot) names_.erase(it);
}

} // namespace host::db
