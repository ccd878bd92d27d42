// Hooks to parts still to come.  Each body is replaced by the call named
// in its comment when that part lands.
#include "app/integration_hooks.h"

#include "core/linetypes.h"

void AttachDrawingLabelReactors() {
    // Labels: AttachLabelReactors.
}

void DetachDrawingLabelReactors() {
    // Labels: DetachLabelReactors.
}

void OnLabelErased(const AcDbObject*, Adesk::Boolean) {
    // Labels: erases the leader of an erased number label.
}

void LoadSystemLinetypes() { LoadLinetypes(); }
