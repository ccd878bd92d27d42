// The entities an element owns in the drawing besides its insert: each
// label's insert, leader and third entity, its marks (size texts) and its
// dimensions.  Commands that take back or leave out an element's writes
// treat them with it.
#pragma once

#include "core/lobject.h"

// Calls f with the name of every entity the element owns, null names
// included.
template <typename F>
void ForOwnedEntities(const LObject& e, F f) {
    for (const LLabelNode* node = &e.firstLabel; node; node = node->next) {
        f(node->insert);
        f(node->leader);
        f(node->third);
    }
    for (int m = 0; m < e.markCount && m < kMarkRoom; ++m)
        f(e.marks[m]);
    for (int d = 0; d < e.dimensionCount && d < kMaxDimensions; ++d)
        f(e.dimensions[d]);
}
