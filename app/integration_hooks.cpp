// The entry point's and the document state's calls into the labels, the
// system linetypes and the air-system update of the core.
#include "app/integration_hooks.h"

#include "core/label_reactor.h"
#include "core/element_load.h"
#include "core/insert_flags.h"
#include "core/linetypes.h"
#include "core/lobject.h"
#include "core/system_erase.h"

void AttachDrawingLabelReactors() { AttachLabelReactors(); }

void DetachDrawingLabelReactors() { DetachLabelReactors(); }

void OnLabelErased(const AcDbObject* object, Adesk::Boolean erasing) { LabelErased(object, erasing); }

void LoadSystemLinetypes() { LoadLinetypes(); }

// The elements are those of the current drawing, whose system list the
// update is handed, so the loader finds each one's new record there.
static LObject* LoadChangedElement(LSystemList&, const ads_name insert) { return LoadElementFromEntity(insert); }

static int16_t MoveElementLabels(LObject* element, int16_t keepCopies) {
    return element->MoveLabelsToLabelLayer(keepCopies);
}

// The element's record is always written again with the change: its label
// numbers (renumbered for a new first number) and the marks and dimensions
// made anew live in it, and a refresh of the labels alone would leave the
// record naming the old ones.
static int16_t InsertChangedElement(LObject* element, uint32_t changeMask) {
    return element->Insert(static_cast<uint16_t>(changeMask | kInsertUpdate));
}

void InstallSystemUpdates() {
    LElementUpdater updater;
    updater.loadElement = LoadChangedElement;
    updater.moveLabelsToLabelLayer = MoveElementLabels;
    updater.insert = InsertChangedElement;
    SetElementUpdater(updater);
}

void RemoveSystemUpdates() { SetElementUpdater(LElementUpdater()); }
