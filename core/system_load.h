// Reading a drawing's air systems and defaults when it is first seen.
#pragma once

#include <cstdint>

#include "core/drawing_defaults.h"
#include "core/system_list.h"

// Reads the defaults XDATA and every system XRECORD of the program
// dictionary (OpenSystemDictionary first), then adds the systems that
// element inserts name but the dictionary lacks, and sets hasElements when
// an element is found.  An entry that is not a system is skipped with a
// message and stays in the drawing untouched.  Returns 0.
int16_t LoadSystems(LSystemList& list, LDrawingDefaults& defaults);

// The record that a system gets when only its elements name it: the
// defaults of the short form, pen 0 on the elements' layer.
void MissingSystemRecord(LSystemRecord* record, const char* tag, const char* layer);
