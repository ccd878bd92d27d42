// The per-thread free lists behind result buffers and their short strings
// (kept by acutRelRb in resbuf.cpp), open to the code that builds lists:
// a list is made node after node without a call per node.
//
// Lists come and go by the hundred for every entity.  Each node and each
// string is still its own malloc block, so free() and acutRelRb stay
// interchangeable (a caller may free a string and put its own in its
// place).  Under AddressSanitizer nothing is kept, so a use after release
// is still caught.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "ads_types.h"

namespace host::api::pool {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr size_t kKeptBlocks = 0;
#else
inline constexpr size_t kKeptBlocks = 4096;
#endif
// Strings up to this many characters get a block of one size, which is
// reused; a released string is kept when its block is about that size.
inline constexpr size_t kShortText = 23;
inline constexpr size_t kShortBytes = (kShortText + 1) * sizeof(ACHAR);

// A kept string block, linked through its first bytes.
struct TextLink {
    TextLink* next;
};

// Plain data, so that reaching it costs no check for first use.  It has no
// room until the thread's first release arms it (resbuf.cpp), which also
// sets its release at the thread's end.
struct Caches {
    resbuf* nodes = nullptr;  // linked through rbnext
    size_t nodeRoom = 0;      // how many more nodes may be kept
    TextLink* texts = nullptr;
    size_t textRoom = 0;
    bool armed = false;
};
extern constinit thread_local Caches caches;

// Room for a string of up to kShortText characters and its terminator.
inline ACHAR* takeShortText() {
    TextLink* block = caches.texts;
    if (block == nullptr) return static_cast<ACHAR*>(std::malloc(kShortBytes));
    caches.texts = block->next;
    ++caches.textRoom;
    return reinterpret_cast<ACHAR*>(block);
}

// Room for a string of `length` characters and its terminator.
inline ACHAR* takeText(size_t length) {
    if (length > kShortText) return static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
    return takeShortText();
}

// Makes one list: each node is taken from the free list (or the heap) and
// linked after the one before.  Between the first add and finish nothing
// else may take or release nodes on this thread.
class ListMaker {
public:
    ListMaker() : free_(caches.nodes) {}
    ListMaker(const ListMaker&) = delete;
    ListMaker& operator=(const ListMaker&) = delete;

    // A node of that type with a zero value, at the end of the list; null
    // when the heap is out of room.
    resbuf* add(int type) {
        resbuf* rb = free_;
        if (rb != nullptr) {
            free_ = rb->rbnext;
            ++taken_;
        } else if ((rb = static_cast<resbuf*>(std::malloc(sizeof(resbuf)))) == nullptr) {
            return nullptr;
        }
        // Zeroed from the type on: the value and the padding before it.
        std::memset(reinterpret_cast<char*>(rb) + offsetof(resbuf, restype), 0, sizeof(resbuf) - offsetof(resbuf, restype));
        rb->restype = static_cast<short>(type);
        if (tail_ != nullptr) tail_->rbnext = rb;
        else head_ = rb;
        tail_ = rb;
        return rb;
    }
    // The list made; the free list keeps what was not taken.
    resbuf* finish() {
        if (tail_ != nullptr) tail_->rbnext = nullptr;
        caches.nodes = free_;
        caches.nodeRoom += taken_;
        return head_;
    }

private:
    // Plain values, no pointer into the maker: they stay in registers.
    resbuf* head_ = nullptr;
    resbuf* tail_ = nullptr;
    resbuf* free_;
    size_t taken_ = 0;
};

// `count` zeroed nodes linked in order, the last one ending the list; null
// when the heap is out of room or count is 0.
resbuf* takeNodes(size_t count);

} // namespace host::api::pool
