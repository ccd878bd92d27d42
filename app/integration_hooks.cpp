// Hooks to parts still to come.  Each body is replaced by the call named
// in its comment when that part lands.
#include "app/integration_hooks.h"

#include "ads_entity.h"
#include "app/doc_state.h"
#include "app/module_state.h"

void LoadDocumentSystems(LDocState& state) {
    // Air systems: OpenSystemDictionary + LoadSystems, which read the
    // defaults too.  Until they land only the defaults are read.
    ReadStoredDefaults(state);
}

void FreeDocumentSystems(LDocState& state) {
    // Air systems: frees the system and removal lists once they exist.
    state.systems = nullptr;
    state.removals = nullptr;
    state.removalTail = nullptr;
    state.systemCount = 0;
}

void AttachDrawingLabelReactors() {
    // Labels: AttachLabelReactors.
}

void DetachDrawingLabelReactors() {
    // Labels: DetachLabelReactors.
}

void OnLabelErased(const AcDbObject*, Adesk::Boolean) {
    // Labels: erases the leader of an erased number label.
}

void LoadSystemLinetypes() {
    // System layers and linetypes: LoadLinetypes.
}

// The entity name of the program's dictionary entry, or -1.
static int FindProgramDictionary(ads_name result) {
    ads_name named;
    if (acdbNamedObjDict(named) != RTNORM)
        return -1;
    resbuf* entry = acdbDictSearch(named, ApplicationName(), 0);
    int found = -1;
    for (resbuf* rb = entry; rb; rb = rb->rbnext) {
        if (rb->restype == -1) {
            ads_name_set(rb->resval.rlname, result);
            found = 0;
            break;
        }
    }
    acutRelRb(entry);
    return found;
}

int ReadStoredDefaults(LDocState& state) {
    ads_name dictionary;
    if (FindProgramDictionary(dictionary) != 0)
        return -1;
    ads_name_set(dictionary, state.programDictionary);
    resbuf* data = acdbEntGetX(dictionary, AppNameFilter());
    resbuf* rb = data;
    while (rb && rb->restype != 1040)
        rb = rb->rbnext;
    double* targets[] = {&state.labelDistance, &state.rectPieceLength, &state.roundPieceLength};
    int read = 0;
    for (; rb && rb->restype == 1040 && read < 4; rb = rb->rbnext, ++read) {
        if (read < 3)
            *targets[read] = rb->resval.rreal;
        else
            state.insertScale = AcGeScale3d(rb->resval.rreal);
    }
    acutRelRb(data);
    return 0;
}
