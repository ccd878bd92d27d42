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

// Plain data, so that reaching it costs no check for first use.  Nothing
// may be kept until the thread's first release arms it (resbuf.cpp), which
// also sets its release at the thread's end.
struct Caches {
    resbuf* nodes = nullptr;  // linked through rbnext
    size_t nodesKept = 0;
    size_t nodeLimit = 0;
    TextLink* texts = nullptr;
    size_t textsKept = 0;
    size_t textLimit = 0;
    bool armed = false;
};
extern constinit thread_local Caches caches;

// Zeroes a node from its type on: the value and the padding before it.
inline void clearNode(resbuf* rb) {
    std::memset(reinterpret_cast<char*>(rb) + offsetof(resbuf, restype), 0, sizeof(resbuf) - offsetof(resbuf, restype));
}

// Takes string blocks for the lists being made, short ones from the free
// list; finish gives the free list what was not taken.  Between the first
// take and finish nothing else may take or release strings on this thread.
class TextCursor {
public:
    TextCursor() : next_(caches.texts) {}
    TextCursor(const TextCursor&) = delete;
    TextCursor& operator=(const TextCursor&) = delete;

    // Room for a string of `length` characters and its terminator; null
    // when the heap is out of room.
    ACHAR* take(size_t length) {
        if (length > kShortText) return static_cast<ACHAR*>(std::malloc((length + 1) * sizeof(ACHAR)));
        TextLink* block = next_;
        if (block == nullptr) return static_cast<ACHAR*>(std::malloc(kShortBytes));
        next_ = block->next;
        ++taken_;
        return reinterpret_cast<ACHAR*>(block);
    }
    void finish() {
        caches.texts = next_;
        caches.textsKept -= taken_;
    }

private:
    TextLink* next_;
    size_t taken_ = 0;
};

// Makes sure the free list holds at least `count` nodes (new ones from the
// heap); false when the heap is out of room.  A list of at most that many
// nodes is then the head of the free list, linked already (NodeCursor).
bool reserveNodes(size_t count);

// Takes the nodes of a list from the head of the free list after
// reserveNodes, in order: each is linked to the one before already.
class NodeCursor {
public:
    NodeCursor() : first_(caches.nodes), next_(first_) {}
    NodeCursor(const NodeCursor&) = delete;
    NodeCursor& operator=(const NodeCursor&) = delete;

    // The next node, zeroed, with its type.
    resbuf* take(int type) {
        resbuf* rb = next_;
        next_ = rb->rbnext;
        ++taken_;
        clearNode(rb);
        rb->restype = static_cast<short>(type);
        last_ = rb;
        return rb;
    }
    // The list taken (null when none); the free list keeps the rest.
    resbuf* finish() {
        if (last_ == nullptr) return nullptr;
        last_->rbnext = nullptr;
        caches.nodes = next_;
        caches.nodesKept -= taken_;
        return first_;
    }

private:
    resbuf* first_;
    resbuf* next_;
    resbuf* last_ = nullptr;
    size_t taken_ = 0;
};

// Makes a list of unknown length: each node is taken from the free list
// (linked to the one before already) or, when that is empty, from the
// heap.  Between the first add and finish nothing else may take or release
// nodes on this thread.
class ListMaker {
public:
    ListMaker() : first_(caches.nodes), free_(first_) {}
    ListMaker(const ListMaker&) = delete;
    ListMaker& operator=(const ListMaker&) = delete;

    // A node of that type with a zero value, at the end of the list; null
    // when the heap is out of room.
    resbuf* add(int type) {
        resbuf* rb = free_;
        if (rb != nullptr) {
            free_ = rb->rbnext;
            ++taken_;
        } else {
            rb = static_cast<resbuf*>(std::malloc(sizeof(resbuf)));
            if (rb == nullptr) return nullptr;
            if (last_ != nullptr) last_->rbnext = rb;
            else first_ = rb;
        }
        clearNode(rb);
        rb->restype = static_cast<short>(type);
        last_ = rb;
        return rb;
    }
    // The list made (null when empty); the free list keeps the rest.
    resbuf* finish() {
        if (last_ == nullptr) return nullptr;
        last_->rbnext = nullptr;
        caches.nodes = free_;
        caches.nodesKept -= taken_;
        return first_;
    }

private:
    // Plain values, no pointer into the maker: they stay in registers.
    resbuf* first_;  // the free list's head: the list's, once a node is taken
    resbuf* free_;
    resbuf* last_ = nullptr;
    size_t taken_ = 0;
};

} // namespace host::api::pool
