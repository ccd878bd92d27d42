// Where each entity stands in a block's list, for a list out of slot order
// that a binary search cannot serve: the SEQENDs a read repair adds take
// slots after everything the file held, and so do attributes cloned into
// an insert.  Without it, erasing every insert of such a list searched the
// list from its front for each one.
//
// Each answer is checked against the list, so a list changed since the
// index was made never gives a wrong one: the entity is searched for from
// the front as before, and the index is made again once those searches
// have cost about as much as making it.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "db/object.h"

namespace host::db {

class EntityPositions {
public:
    // Where the entity stands in the list; list.size() when absent.
    size_t find(const std::vector<Slot>& list, Slot entity);

private:
    size_t indexed(const std::vector<Slot>& list, Slot entity) const;
    void make(const std::vector<Slot>& list);

    // (slot, position), ordered by slot.
    std::vector<std::pair<Slot, Slot>> bySlot_;
    // Entries looked at by searches since the index was made.
    size_t searched_ = 0;
};

} // namespace host::db
