#include "app/doc_state.h"

#include "aced_input.h"
#include "app/integration_hooks.h"
#include "core/insert_defaults.h"
#include "core/lconnector.h"
#include "core/lobject.h"
#include "core/system_load.h"
#include "core/system_store.h"

LDocState* CurrentDocState = nullptr;

// The commands' state and the core's drawing are always the same drawing.
static void MakeCurrent(LDocState* state) {
    CurrentDocState = state;
    SetCurrentDrawing(state);
}

// Heads the list; its own state and document stay null.
static LDocStateNode docStateList;

LDocState::~LDocState() {
    DestroyElement(current);
    DestroyElement(neighbour);
    delete startConnector;
}

LDocStateNode::~LDocStateNode() {
    delete state;
    delete next;
}

static AcApDocument* HostCurrentDocument() {
    AcApDocManager* manager = acDocManager;
    return manager ? manager->curDocument() : nullptr;
}

bool IsDocumentOpen(const AcApDocument* document) {
    AcApDocManager* manager = acDocManager;
    if (!manager || !document)
        return false;
    bool open = false;
    AcApDocumentIterator* it = manager->newAcApDocumentIterator();
    for (; it && !it->done() && !open; it->step())
        open = it->document() == document;
    delete it;
    return open;
}

// Unlinks and frees the node after `before`.
static void DeleteNodeAfter(LDocStateNode* before) {
    LDocStateNode* node = before->next;
    before->next = node->next;
    node->next = nullptr;
    if (node->state == CurrentDocState)
        MakeCurrent(nullptr);
    delete node;
}

// States of drawings the host has closed are freed here, so that nothing
// can reach them, or the gone database they point at, again.
static void ForgetClosedDocuments() {
    LDocStateNode* before = &docStateList;
    while (before->next) {
        if (IsDocumentOpen(before->next->document))
            before = before->next;
        else
            DeleteNodeAfter(before);
    }
}

static LDocStateNode* NodeBefore(const AcApDocument* document) {
    for (LDocStateNode* before = &docStateList; before->next; before = before->next)
        if (before->next->document == document)
            return before;
    return nullptr;
}

LDocState* DocStateOf(const AcApDocument* document) {
    if (!document || !IsDocumentOpen(document))
        return nullptr;
    LDocStateNode* before = NodeBefore(document);
    return before ? before->next->state : nullptr;
}

int DocStateCount() {
    int count = 0;
    for (LDocStateNode* node = docStateList.next; node; node = node->next)
        ++count;
    return count;
}

static void AppendDocState(LDocState* state, AcApDocument* document) {
    LDocStateNode* last = &docStateList;
    while (last->next)
        last = last->next;
    last->next = new LDocStateNode;
    last->next->state = state;
    last->next->document = document;
}

void SwitchDocState() {
    AcApDocument* document = HostCurrentDocument();
    if (!document) {
        MakeCurrent(nullptr);
        return;
    }
    ForgetClosedDocuments();
    if (LDocStateNode* before = NodeBefore(document)) {
        MakeCurrent(before->next->state);
        CurrentDocState->database = document->database();
        SetCurrentInsertScale(CurrentDocState->defaults.insertScale);
        return;
    }
    LDocState* state = new LDocState;
    state->database = document->database();
    MakeCurrent(state);
    AppendDocState(state, document);
    OpenSystemDictionary(state->systemList);
    LoadSystems(state->systemList, state->defaults);
    SetCurrentInsertScale(state->defaults.insertScale);
    AttachDrawingLabelReactors();
}

void RemoveDocState() {
    AcApDocument* document = HostCurrentDocument();
    if (!document) {
        MakeCurrent(nullptr);
        return;
    }
    LDocStateNode* before = NodeBefore(document);
    if (!before)
        return;
    // The label reactor must not stay on this drawing's labels once the
    // state that put it there is gone.
    DetachDrawingLabelReactors();
    DeleteNodeAfter(before);
}

void FreeAllDocStates() {
    delete docStateList.next;
    docStateList.next = nullptr;
    MakeCurrent(nullptr);
}

void DetachLabelReactorsEverywhere() {
    AcApDocManager* manager = acDocManager;
    if (!manager)
        return;
    AcApDocument* wasCurrent = manager->curDocument();
    for (LDocStateNode* node = docStateList.next; node; node = node->next) {
        if (!IsDocumentOpen(node->document))
            continue;
        manager->setCurDocument(node->document, AcAp::kNone, false);
        DetachDrawingLabelReactors();
    }
    if (wasCurrent && IsDocumentOpen(wasCurrent))
        manager->setCurDocument(wasCurrent, AcAp::kNone, false);
}

void ReleaseCurrentElement() {
    LDocState* state = CurrentDocState;
    if (!state)
        return;
    state->selectionState = kNoCurrentElement;
    state->neighbourConnector = -1;
    state->currentConnector = -1;
    DestroyElement(state->current);
    state->current = nullptr;
    DestroyElement(state->neighbour);
    state->neighbour = nullptr;
    delete state->startConnector;
    state->startConnector = nullptr;
}

static int RedrawCurrent(int mode) {
    LDocState* state = CurrentDocState;
    if (!state)
        return RTERROR;
    if (state->selectionState == kTwoEntitiesPicked) {
        acedRedraw(state->firstPick, mode);
        return acedRedraw(state->secondPick, mode);
    }
    return acedRedraw(state->currentEntity, mode);
}

int HighlightCurrent() { return RedrawCurrent(3); }

void UnhighlightCurrent() { RedrawCurrent(4); }
