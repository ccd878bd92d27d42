// Where the entry point and the document state hand work to parts of the
// module that other issues build: the drawing's air systems and defaults,
// the label reactors on label inserts, and the system linetypes.  Each
// hook says what it will call; until then it does the least that keeps the
// module sound.
#pragma once

#include "acdb_objects.h"

struct LDocState;

// A new state's drawing: open (or create) the program dictionary, read the
// drawing's defaults and air systems into the state.
void LoadDocumentSystems(LDocState& state);
// Frees the state's system list and removal list.
void FreeDocumentSystems(LDocState& state);

// Attach the label reactor to every label entity of the current drawing,
// or detach it from them.
void AttachDrawingLabelReactors();
void DetachDrawingLabelReactors();
// The label reactor's erase notice.
void OnLabelErased(const AcDbObject* object, Adesk::Boolean erasing);

// Loads the system linetypes into the current drawing.
void LoadSystemLinetypes();

// Reads the defaults stored as XDATA reals on the program's dictionary
// entry ("LurakCad_B1" in the named-object dictionary) into the state:
// label distance, rectangular and round piece lengths, insertion scale, in
// that order; values not stored keep what the state holds.  Finds the
// entry but never creates it.  Returns 0, or -1 when there is no entry.
int ReadStoredDefaults(LDocState& state);
