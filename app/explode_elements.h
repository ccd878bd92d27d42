// The colour rule of the explode command, apart for its tests.
#pragma once

#include "acdb_objects.h"

// The colour of an entity copied out of an element's block: its own, or
// the insert's when its own is BYBLOCK.
Adesk::UInt16 ExplodedColour(Adesk::UInt16 own, Adesk::UInt16 insertColour);
