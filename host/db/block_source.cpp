#include "db/block_source.h"

#include <sys/mman.h>

#include <cstdint>

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
    return reinterpret_cast<void*>(aligned);
}

} // namespace host::db
