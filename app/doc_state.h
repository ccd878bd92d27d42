// The state the module keeps per drawing between commands: the drawing's
// own data (its core drawing context: database, defaults, air systems,
// current air system, label counters), and the commands' state: the current
// element and its neighbour, the pending start connector and the picks.
//
// States live in a list keyed by the host's document object, which the
// host never gives to a later drawing.  CurrentDocState is the state of the
// drawing the module works in.
#pragma once

#include <cstdint>

#include "acge.h"
#include "acrx_app.h"
#include "ads_types.h"
#include "core/drawing_context.h"
#include "core/llist.h"
#include "core/llist_index.h"

class LConnector;
class LObject;
class WriteRollback;
// selectionState values besides a count of joined connectors.
constexpr int16_t kTwoEntitiesPicked = -2;
constexpr int16_t kNoCurrentElement = -1;

struct LDocState : LDrawingContext {
    LDocState() = default;
    LDocState(const LDocState&) = delete;
    LDocState& operator=(const LDocState&) = delete;
    // Frees the current element, its neighbour and the start connector (the
    // system list frees itself).
    ~LDocState() override;

    // The two entities picked by the insert-between command.
    ads_name firstPick = {0, 0};
    ads_name secondPick = {0, 0};
    // The insert of the current element.
    ads_name currentEntity = {0, 0};
    // -2 two entities picked, -1 no current element, 0 placed at the pending
    // start point, else the number of joined connectors of current.
    int16_t selectionState = kNoCurrentElement;
    int16_t neighbourConnector = -1;
    int16_t currentConnector = -1;
    LObject* neighbour = nullptr;  // owned
    LObject* current = nullptr;    // owned
    LConnector* startConnector = nullptr;  // owned
    // Label numbering and the bill of materials, filled for one run: the
    // labels still to be numbered, the numbered rows (in the end the whole
    // bill) and the counted piece lines, with the look-ups into the first two.
    LListEntry pendingLabels;
    LListEntry numberedRows;
    LListNode bomLines;
    LListIndex pendingIndex{&pendingLabels};
    LListIndex numberedIndex{&numberedRows};
    // The highest label number the pending labels' provisional numbers were
    // last written above; when the highest moves they are written again.
    int32_t pendingBase = 0;
    // The writes of a running label numbering, taken back together when the
    // drawing refuses one of them (numberingRefused is then set): a run
    // either numbers or leaves the drawing as it was.  Named only while the
    // run lasts (NumberingWritesScope): the rollback lives on its stack.
    WriteRollback* numberingWrites = nullptr;
    bool numberingRefused = false;
};

// One node of the state list.  Deleting a node deletes its state and the
// chain behind it.
struct LDocStateNode {
    LDocStateNode() = default;
    LDocStateNode(const LDocStateNode&) = delete;
    LDocStateNode& operator=(const LDocStateNode&) = delete;
    ~LDocStateNode();

    LDocState* state = nullptr;       // owned
    AcApDocument* document = nullptr;  // not owned
    LDocStateNode* next = nullptr;     // owned
};

// The state of the drawing the commands work in; always the core's current
// drawing as well.
extern LDocState* CurrentDocState;

// Makes the state of the host's current document current, creating it on
// first sight (then the drawing's systems and defaults are read and the
// label reactor is attached to its labels).  No current document: none.
void SwitchDocState();
// Removes the state of the host's current document, first detaching the
// label reactor from that drawing's labels.
void RemoveDocState();
// Frees every state; the list is then empty and CurrentDocState none.
void FreeAllDocStates();
// Makes each open drawing that has a state current in turn and detaches the
// label reactor there; the drawing that was current is current again.
void DetachLabelReactorsEverywhere();

// The state of a document, or null.  States of closed documents are never
// found.
LDocState* DocStateOf(const AcApDocument* document);
int DocStateCount();
// True when the host still has the document open.
bool IsDocumentOpen(const AcApDocument* document);

// Forgets the current element and its neighbour (destroying both) and the
// pending start connector; the current entity and the picks stay.
void ReleaseCurrentElement();
// Highlight (acedRedraw mode 3) or unhighlight (mode 4) the current
// element's insert, or both picks after the insert-between pick.
int HighlightCurrent();
void UnhighlightCurrent();
