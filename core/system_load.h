// Reading a drawing's air systems and defaults when it is first seen.
#pragma once

#include <cstdint>

#include "core/drawing_defaults.h"
#include "core/system_list.h"

// Reads the defaults XDATA and every system XRECORD of the program
// dictionary (OpenSystemDictionary first), then sets hasElements when an
// element insert can be rebuilt (its system is listed, its type known).
// Elements of systems the drawing does not list add no system and leave
// hasElements as it was.  An entry that is not a system is skipped with a
// message and stays in the drawing untouched.  Returns 0.
int16_t LoadSystems(LSystemList& list, LDrawingDefaults& defaults);

