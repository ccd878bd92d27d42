#include "db/block_source.h"

#include <sys/mman.h>

#include <cstdint>

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

void* takeBlock() {
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

} // namespace host::db
