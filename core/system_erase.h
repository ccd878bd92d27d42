// Bringing the drawing into line with the system list: erasing deleted
// systems' entities and layers, and redrawing, renumbering and moving the
// labels of changed systems.  Called after the systems dialog has closed.
#pragma once

#include <cstdint>

#include "acdb_objects.h"
#include "core/system_list.h"

class LObject;

// The element work that the update hands on: rebuilding an element from
// its insert, moving its labels to the system's label layer and writing it
// again with a change mask.  The element-insertion code installs it; while
// any of the three is missing, a changed system keeps its pending changes
// for a later update (nothing is redrawn, nothing is lost).
struct LElementUpdater {
    LObject* (*loadElement)(LSystemList& list, const ads_name insert) = nullptr;
    int16_t (*moveLabelsToLabelLayer)(LObject* element, int16_t keepCopies) = nullptr;
    int16_t (*insert)(LObject* element, uint32_t changeMask) = nullptr;
};
void SetElementUpdater(const LElementUpdater& updater);
const LElementUpdater& GetElementUpdater();

// Carries out the queued removals and the recorded changes.  Returns 0.
// A deleted system loses its element inserts and the entities that they
// name (labels, leaders, marks, dimensions) and the label entities that
// name its elements; other entities on a shared label layer stay.  Its
// layers go only when nothing uses them (see LayerMayBeErased).
int16_t EraseSystemEntities(LSystemList& list, AcDbDatabase* database);
