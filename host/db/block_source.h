// Large blocks of memory for the room of groups.  A block is 2 MB, aligned
// to its size so that the system can back it with one huge page.
//
// Taking a fresh block costs the system's work of clearing its memory on
// first touch, about a tenth of the time of making a large drawing.  Once
// a program has taken several blocks (a large drawing), a helper thread
// maps and touches the next blocks ahead of time, so that this work runs
// beside the program instead of inside it.
#pragma once

#include <cstddef>

namespace host::db {

inline constexpr size_t kBlockBytes = size_t{2} << 20;

// A new block of kBlockBytes, zeroed; null when the system has no memory.
// Blocks are never given back.
void* takeBlock();

} // namespace host::db
