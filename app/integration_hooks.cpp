// The entry point's and the document state's calls into the labels and the
// system linetypes of the core.
#include "app/integration_hooks.h"

#include "core/label_reactor.h"
#include "core/linetypes.h"

void AttachDrawingLabelReactors() { AttachLabelReactors(); }

void DetachDrawingLabelReactors() { DetachLabelReactors(); }

void OnLabelErased(const AcDbObject* object, Adesk::Boolean erasing) { LabelErased(object, erasing); }

void LoadSystemLinetypes() { LoadLinetypes(); }
