// Room for groups.  A drawing of 100,000 elements holds some twenty
// million groups in a few million bodies; taking each body from the heap
// costs a heap block and, for all of them, half a million page faults.
// Here bodies come from large blocks (one huge page each where the system
// has them), in sizes of whole groups, and the room a body gives back is
// kept per size for the next one.  Each thread keeps its own lists, so the
// usual request takes no lock; a thread that ends hands its room on.
#pragma once

#include <cstddef>

namespace host::db {

// Room for `bytes` (a multiple of a group's size is best), and its return.
void* takeGroupRoom(size_t bytes);
void giveGroupRoom(void* room, size_t bytes) noexcept;

// The allocator of every vector of groups.
template <class T>
struct GroupAllocator {
    using value_type = T;
    GroupAllocator() noexcept = default;
    template <class U>
    GroupAllocator(const GroupAllocator<U>&) noexcept {}
    T* allocate(size_t n) { return static_cast<T*>(takeGroupRoom(n * sizeof(T))); }
    void deallocate(T* p, size_t n) noexcept { giveGroupRoom(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const GroupAllocator<U>&) const noexcept {
        return true;
    }
};

} // namespace host::db
