// The state the module keeps per drawing between commands: the drawing's
// defaults, the current element and its neighbour, the pending start
// connector, the current air system and the drawing's air systems.
//
// States live in a list keyed by the host's document object, which the
// host never gives to a later drawing.  CurrentDocState is the state of the
// drawing the module works in.
#pragma once

#include <cstdint>

#include "acge.h"
#include "acrx_app.h"
#include "ads_types.h"
#include "core/drawing_defaults.h"
#include "core/llist.h"
#include "core/llist_index.h"
#include "core/system_list.h"
#include "core/system_record.h"

class AcDbDatabase;
class LConnector;
class LObject;
// selectionState values besides a count of joined connectors.
constexpr int16_t kTwoEntitiesPicked = -2;
constexpr int16_t kNoCurrentElement = -1;

struct LDocState {
    LDocState() = default;
    LDocState(const LDocState&) = delete;
    LDocState& operator=(const LDocState&) = delete;
    // Frees the current element, its neighbour and the start connector (the
    // system list frees itself).
    ~LDocState();

    // The drawing's defaults (piece lengths, label distance, insertion
    // scale, whether it holds elements), read from the drawing when the
    // state is made.
    LDrawingDefaults defaults;
    // 1 when the user ended label numbering with its quit keyword.
    int16_t numberingStop = 0;
    // The drawing's database, refreshed on every switch.
    AcDbDatabase* database = nullptr;
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
    LSystemRecord currentSystem;
    LConnector* startConnector = nullptr;  // owned
    int32_t highestLabelNumber = 0;
    int32_t lastLabelNumber = 0;
    // Label numbering and the bill of materials, filled for one run: the
    // labels still to be numbered, the numbered rows (in the end the whole
    // bill) and the counted piece lines, with the look-ups into the first two.
    LListEntry pendingLabels;
    LListEntry numberedRows;
    LListNode bomLines;
    LListIndex pendingIndex{&pendingLabels};
    LListIndex numberedIndex{&numberedRows};
    // The drawing's air systems sorted by tag, the removed systems whose
    // entities are still to be erased, and the module's entry
    // "LurakCad_B1" in the named-object dictionary.
    LSystemList systemList;
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
