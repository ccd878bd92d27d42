// Re-linking a copied element to the other copies of one copy or mirror
// run: every link to an entity that was copied follows the copy, every
// link to one that was not is dropped, so that no copy is ever joined to,
// parented by or labelled with an entity it was not copied with.
#pragma once

#include "core/handle_map.h"

class LObject;

enum class CopyLinks {
    kJoints,            // connectors, parent and children
    kJointsAndLabels,   // and the label, mark and dimension entities
};

// Re-links the element in memory; the caller writes it again.
void RelinkCopy(LObject* element, const LHandleMap& map, CopyLinks scope);
