// The 102 braces an application puts at the start of a record (the
// reactors, the extension dictionary, others' data), which go before the
// record's owner and its subclass markers.
#pragma once

#include "db/group.h"

#include <cstddef>
#include <vector>

namespace host::dxf {

struct LeadingBraces {
    size_t end = 0;  // the first group after them
    // Braces left open: a save closes each before the group of this index
    // (`end` for the last), in order.
    std::vector<size_t> closes;
};

// A brace closed is taken whole, whatever it holds, as it was read.  A
// brace never closed holds no other brace (one that opens after it closes
// it first: other readers take braces one level deep) and ends where the
// application's groups end: at a subclass marker, an embedded object or
// XDATA, which no application's braces hold (other readers refuse a record
// whose braces run on past them), and in the reactors or the extension
// dictionary at the first group that is not their pointer (the owner,
// say).  Their groups up to there stay inside them.
//
// `ownerUnread` says the record's owner was not read before the braces:
// then of two or more pointers that end open reactors, the last is the
// owner, which writers put right after the braces.
LeadingBraces leadingBraces(const db::GroupList& groups, bool ownerUnread = false);

} // namespace host::dxf
