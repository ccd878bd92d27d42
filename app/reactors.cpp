#include "app/reactors.h"

#include "app/doc_state.h"
#include "app/integration_hooks.h"
#include "core/label_reactor.h"

static LLabelReactor* labelReactor = nullptr;
static LRedrawReactor* redrawReactor = nullptr;

void LLabelReactor::erased(const AcDbObject* object, Adesk::Boolean erasing) {
    OnLabelErased(object, erasing);
}

LLabelReactor* LabelReactorInstance() { return labelReactor; }

LRedrawReactor* RedrawReactorInstance() { return redrawReactor; }

void StartReactors() {
    if (!labelReactor) {
        labelReactor = new LLabelReactor;
        UseLabelReactor(labelReactor);
    }
    if (!redrawReactor) {
        redrawReactor = new LRedrawReactor;
        if (AcEditor* editor = acedEditor)
            editor->addReactor(redrawReactor);
    }
    AcApDocManager* manager = acDocManager;
    if (!manager)
        return;
    AcApDocumentIterator* it = manager->newAcApDocumentIterator();
    for (; it && !it->done(); it->step()) {
        manager->setCurDocument(it->document(), AcAp::kNone, false);
        SwitchDocState();
    }
    delete it;
}

void StopReactors() {
    // Every open drawing with a state drops its label reactors before the
    // reactor goes; states of closed drawings are freed without a visit.
    DetachLabelReactorsEverywhere();
    FreeAllDocStates();
    if (CurrentLabelReactor() == labelReactor)
        UseLabelReactor(nullptr);
    delete labelReactor;
    labelReactor = nullptr;
    if (redrawReactor) {
        if (AcEditor* editor = acedEditor)
            editor->removeReactor(redrawReactor);
        delete redrawReactor;
        redrawReactor = nullptr;
    }
}
