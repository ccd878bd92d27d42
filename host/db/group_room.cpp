#include "db/group_room.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <new>
#include <vector>

#include "db/block_source.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#include <sanitizer/lsan_interface.h>
#define ROOM_POISON(p, n) ASAN_POISON_MEMORY_REGION((p), (n))
#define ROOM_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION((p), (n))
// Long texts of groups are heap blocks that only the room points to: the
// leak checker must look into the room too.
#define ROOM_WATCH(p, n) __lsan_register_root_region((p), (n))
#else
#define ROOM_POISON(p, n) ((void)(p), (void)(n))
#define ROOM_UNPOISON(p, n) ((void)(p), (void)(n))
#define ROOM_WATCH(p, n) ((void)(p), (void)(n))
#endif

namespace host::db {

namespace {

constexpr size_t kUnit = 32;                 // a group
constexpr size_t kSizes = 128;               // bodies of up to 128 groups come from blocks
constexpr size_t kBlock = kBlockBytes;
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kGuard = 1;  // a poisoned unit after each body, so overruns are caught
#else
constexpr size_t kGuard = 0;
#endif

struct FreeRoom {
    FreeRoom* next;
};

// Room of threads that ended, and blocks they had begun.
struct Depot {
    std::mutex lock;
    FreeRoom* lists[kSizes + 1] = {};
    std::atomic<bool> any[kSizes + 1] = {};
    struct Part {
        char* next;
        char* end;
    };
    std::vector<Part> parts;
};

Depot& depot() {
    static Depot* d = new Depot;  // never destroyed: threads may end after static destruction
    return *d;
}

// A thread's own lists.  Plain data, so it stays usable until the thread's
// storage goes; `Flusher` hands its contents to the depot when the thread
// ends, and later returns go to the depot.
struct Cache {
    FreeRoom* lists[kSizes + 1];
    FreeRoom* tails[kSizes + 1];  // last of each list, to hand a list on in one step
    char* next;
    char* end;
    bool started;
    bool flushed;
};
thread_local Cache cache;

// The last of a list whose end was not kept (one taken from the depot).
FreeRoom* lastOf(FreeRoom* r) {
    for (;;) {
        ROOM_UNPOISON(r, sizeof(FreeRoom));
        FreeRoom* next = r->next;
        ROOM_POISON(r, sizeof(FreeRoom));
        if (next == nullptr) return r;
        r = next;
    }
}

void flush() {
    Depot& d = depot();
    std::lock_guard<std::mutex> guard(d.lock);
    for (size_t s = 1; s <= kSizes; ++s) {
        if (cache.lists[s] == nullptr) continue;
        FreeRoom* tail = cache.tails[s] ? cache.tails[s] : lastOf(cache.lists[s]);
        ROOM_UNPOISON(tail, sizeof(FreeRoom));
        tail->next = d.lists[s];
        ROOM_POISON(tail, sizeof(FreeRoom));
        d.lists[s] = cache.lists[s];
        d.any[s].store(true, std::memory_order_relaxed);
        cache.lists[s] = cache.tails[s] = nullptr;
    }
    if (cache.end - cache.next >= static_cast<ptrdiff_t>(kUnit)) d.parts.push_back({cache.next, cache.end});
    cache.next = cache.end = nullptr;
    cache.flushed = true;
}

struct Flusher {
    ~Flusher() { flush(); }
};

void start() {
    thread_local Flusher flusher;
    (void)flusher;
    cache.started = true;
}

// A block begun by an ended thread with room for `need` bytes, or a new
// one.  What an ended thread left may be as little as one group.
bool newBlock(size_t need) {
    {
        Depot& d = depot();
        std::lock_guard<std::mutex> guard(d.lock);
        for (size_t i = d.parts.size(); i-- > 0;) {
            if (d.parts[i].end - d.parts[i].next < static_cast<ptrdiff_t>(need)) continue;
            cache.next = d.parts[i].next;
            cache.end = d.parts[i].end;
            d.parts[i] = d.parts.back();
            d.parts.pop_back();
            return true;
        }
    }
    void* block = takeBlock();
    if (block == nullptr) return false;
    cache.next = static_cast<char*>(block);
    cache.end = cache.next + kBlock;
    ROOM_POISON(cache.next, kBlock);
    ROOM_WATCH(cache.next, kBlock);
    return true;
}

// Room of a size from the depot, when it has any: its whole list.
FreeRoom* fromDepot(size_t size) {
    Depot& d = depot();
    if (!d.any[size].load(std::memory_order_relaxed)) return nullptr;
    std::lock_guard<std::mutex> guard(d.lock);
    FreeRoom* list = d.lists[size];
    d.lists[size] = nullptr;
    d.any[size].store(false, std::memory_order_relaxed);
    return list;
}

} // namespace

void* takeGroupRoom(size_t bytes) {
    size_t size = (bytes + kUnit - 1) / kUnit;
    if (size == 0 || size > kSizes) return ::operator new(bytes);
    if (cache.flushed) return ::operator new(size * kUnit);  // whole units: it may be kept later
    if (!cache.started) start();
    FreeRoom* r = cache.lists[size];
    if (r == nullptr && (r = fromDepot(size)) != nullptr) {
        cache.lists[size] = r;
        cache.tails[size] = nullptr;  // not known: found when the list is handed on
    }
    if (r != nullptr) {
        ROOM_UNPOISON(r, size * kUnit);
        cache.lists[size] = r->next;
        if (cache.lists[size] == nullptr) cache.tails[size] = nullptr;
        return r;
    }
    size_t need = (size + kGuard) * kUnit;
    if (cache.end - cache.next < static_cast<ptrdiff_t>(need) && !newBlock(need)) throw std::bad_alloc();
    void* room = cache.next;
    cache.next += need;
    ROOM_UNPOISON(room, size * kUnit);
    return room;
}

void giveGroupRoom(void* room, size_t bytes) noexcept {
    if (room == nullptr) return;
    size_t size = (bytes + kUnit - 1) / kUnit;
    if (size == 0 || size > kSizes) {
        ::operator delete(room);
        return;
    }
    auto* r = static_cast<FreeRoom*>(room);
    if (!cache.started && !cache.flushed) start();
    if (cache.flushed) {  // the thread is ending: straight to the depot
        Depot& d = depot();
        std::lock_guard<std::mutex> guard(d.lock);
        r->next = d.lists[size];
        d.lists[size] = r;
        d.any[size].store(true, std::memory_order_relaxed);
        ROOM_POISON(r, size * kUnit);
        return;
    }
    r->next = cache.lists[size];
    if (cache.lists[size] == nullptr) cache.tails[size] = r;
    cache.lists[size] = r;
    ROOM_POISON(r, size * kUnit);
}

} // namespace host::db
