#include "db/block_source.h"

#include <sys/mman.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>

// Under AddressSanitizer the leak checker is told about the blocks: texts
// kept on the heap by groups that live in a block would otherwise look
// unreachable, and long-lived drawings (fuzzing) would report false leaks.
#if defined(__SANITIZE_ADDRESS__)
#define LURAK_LSAN_ROOTS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LURAK_LSAN_ROOTS 1
#endif
#endif
#ifdef LURAK_LSAN_ROOTS
#include <sanitizer/lsan_interface.h>
#endif

namespace host::db {

namespace {

// Blocks taken before the helper starts: small drawings never start it.
constexpr int kStartAfter = 8;
// Blocks the helper keeps ready.
constexpr int kReady = 2;

void* mapBlock() {
    void* raw = mmap(nullptr, 2 * kBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    auto at = reinterpret_cast<uintptr_t>(raw);
    uintptr_t aligned = (at + kBlockBytes - 1) & ~(kBlockBytes - 1);
    if (aligned > at) munmap(raw, aligned - at);
    if (aligned + kBlockBytes < at + 2 * kBlockBytes)
        munmap(reinterpret_cast<void*>(aligned + kBlockBytes), at + kBlockBytes - aligned);
    madvise(reinterpret_cast<void*>(aligned), kBlockBytes, MADV_HUGEPAGE);
#ifdef LURAK_LSAN_ROOTS
    __lsan_register_root_region(reinterpret_cast<void*>(aligned), kBlockBytes);  // blocks are never unmapped
#endif
    return reinterpret_cast<void*>(aligned);
}

// Writes one byte of every page, so the system backs the whole block now.
void touch(void* block) {
    volatile char* p = static_cast<char*>(block);
    for (size_t i = 0; i < kBlockBytes; i += 4096) p[i] = 0;
}

struct Source {
    std::mutex lock;
    std::condition_variable wake;
    void* ready[kReady] = {};
    int readyCount = 0;
    int taken = 0;
    bool helping = false;
};

Source& source() {
    static Source* s = new Source;  // never destroyed: the helper outlives static destruction
    return *s;
}

void help() {
    Source& s = source();
    std::unique_lock<std::mutex> guard(s.lock);
    for (;;) {
        s.wake.wait(guard, [&s] { return s.readyCount < kReady; });
        guard.unlock();
        void* block = mapBlock();
        if (block) touch(block);
        guard.lock();
        if (block == nullptr) {  // no memory now: the program maps its own
            s.helping = false;
            return;
        }
        s.ready[s.readyCount++] = block;
    }
}

} // namespace

void* takeBlock() {
    Source& s = source();
    {
        std::lock_guard<std::mutex> guard(s.lock);
        if (s.readyCount > 0) {
            void* block = s.ready[--s.readyCount];
            s.wake.notify_one();
            return block;
        }
        if (++s.taken == kStartAfter && !s.helping) {
            try {
                std::thread(help).detach();
                s.helping = true;
            } catch (const std::system_error&) {
                // No thread to be had: the program maps its own blocks.
            }
        }
    }
    return mapBlock();
}

} // namespace host::db
