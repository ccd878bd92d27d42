// Keeping the system list and the program dictionary "LurakCad_B1" of the
// drawing together: each listed system is one XRECORD under its tag.
// These change the list and the dictionary at once; the drawing's entities
// follow at the next EraseSystemEntities (system_erase.h).
#pragma once

#include <cstdint>

#include "core/message_numbers.h"
#include "core/system_list.h"


// Empties the list and finds or creates the program dictionary in the
// named-object dictionary.  -1 when the entry exists but names no object.
int16_t OpenSystemDictionary(LSystemList& list);

// Normalises the record's tag, lists it and stores its XRECORD.  -1 when
// the tag is empty or listed already, or when the drawing refuses the
// XRECORD (then the system is not listed either, and an alert says so).
int16_t AddSystem(LSystemList& list, LSystemRecord* record);

// Replaces the listed system of the record's tag, rewrites its XRECORD and
// records what the drawing must redraw.  The new XRECORD is made before
// the old one leaves the dictionary, so a refused rewrite keeps the old
// entry, the list and the node as they were (-1, with an alert).
int16_t ModifySystem(LSystemList& list, LSystemRecord* record, int16_t keepOldLabels);

// Pending changes of ModifySystem: compares the node's record (old) with
// the new one.  Exposed for the tests; ModifySystem calls it.
void RecordSystemChanges(LSystemNode& node, const LSystemRecord& newRecord, int16_t keepOldLabels);

// Removes the system from the dictionary (its XRECORD is erased) and the
// list, and queues its entities and layers for EraseSystemEntities.
void DeleteSystem(LSystemList& list, const LSystemRecord* record);

// Entity name of a dictionary entry's object; RTNORM when found.
int FindDictionaryEntry(const ads_name dictionary, const char* key, ads_name object);
