// Rebuilding the current element of the document state from its insert.
#pragma once

#include "ads_types.h"

// Makes the element of the insert the current one, with its count of
// joined connectors and, when exactly one is joined, that connector and
// the neighbour behind it.  Does nothing while two picks are pending,
// while a pending start point holds (selectionState -1 or 0), for the null
// name, or when the insert is not an element.
void SelectCurrentElement(const ads_name entity);
