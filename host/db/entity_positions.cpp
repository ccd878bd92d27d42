// The position index of a block's list, made on demand and checked on use.
#include "db/entity_positions.h"

#include <algorithm>

namespace host::db {

namespace {
// Making the index sorts the list's entries: about this many times the
// cost of looking at each once.
constexpr size_t kMakeCost = 16;
} // namespace

size_t EntityPositions::indexed(const std::vector<Slot>& list, Slot entity) const {
    auto it = std::lower_bound(bySlot_.begin(), bySlot_.end(), entity,
                               [](const std::pair<Slot, Slot>& entry, Slot s) { return entry.first < s; });
    if (it == bySlot_.end() || it->first != entity) return list.size();
    size_t at = it->second;
    return at < list.size() && list[at] == entity ? at : list.size();
}

void EntityPositions::make(const std::vector<Slot>& list) {
    bySlot_.clear();
    bySlot_.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) bySlot_.emplace_back(list[i], static_cast<Slot>(i));
    std::sort(bySlot_.begin(), bySlot_.end());
    searched_ = 0;
}

size_t EntityPositions::find(const std::vector<Slot>& list, Slot entity) {
    size_t at = indexed(list, entity);
    if (at < list.size()) return at;
    if (searched_ >= kMakeCost * list.size()) {
        make(list);
        return indexed(list, entity);
    }
    at = static_cast<size_t>(std::find(list.begin(), list.end(), entity) - list.begin());
    searched_ += std::min(at + 1, list.size());
    return at;
}

} // namespace host::db
