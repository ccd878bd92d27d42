// The 102 braces an application puts at the start of a record (the
// reactors, the extension dictionary, others' data), which go before the
// record's owner and its subclass markers.
#pragma once

#include "db/group.h"

#include <cstddef>

namespace host::dxf {

struct LeadingBraces {
    size_t end = 0;       // the first group after them
    size_t unclosed = 0;  // braces still open there: a save closes each at `end`
};

// Braces are counted as they nest.  Braces that are not closed end where
// the application's groups end: at a subclass marker, an embedded object or
// XDATA, which no application's braces hold (other readers refuse a record
// whose braces run on past them), and in the reactors or the extension
// dictionary at the first group that is not their pointer (the owner,
// say).  Their groups up to there stay inside them.
LeadingBraces leadingBraces(const db::GroupList& groups);

} // namespace host::dxf
