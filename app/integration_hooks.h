// Where the entry point and the document state hand work to the core: the
// label reactors on label inserts, the system linetypes and the element
// work that changed air systems need.
#pragma once

#include "acdb_objects.h"

// Attach the label reactor to every label entity of the current drawing,
// or detach it from them.
void AttachDrawingLabelReactors();
void DetachDrawingLabelReactors();
// The label reactor's erase notice.
void OnLabelErased(const AcDbObject* object, Adesk::Boolean erasing);

// Loads the system linetypes into the current drawing.
void LoadSystemLinetypes();

// Lets the air-system update redraw the elements of a changed system:
// rebuilt from their inserts, labels moved to the label layer, written
// again.  Until this is installed a change stays pending.
void InstallSystemUpdates();
void RemoveSystemUpdates();
