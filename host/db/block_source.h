// Large blocks of memory for the room of groups.  A block is 2 MB, aligned
// to its size so that the system can back it with one huge page.
#pragma once

#include <cstddef>

namespace host::db {

inline constexpr size_t kBlockBytes = size_t{2} << 20;

// A new block of kBlockBytes, zeroed; null when the system has no memory.
// Blocks are never given back.
void* takeBlock();

} // namespace host::db
