// The drawing's air systems in memory: a list sorted by tag, the pending
// changes that EraseSystemEntities carries out later, and the deleted
// systems whose entities are still to be erased.  The list is a working
// copy of the program dictionary (see system_store.h); the document state
// owns one LSystemList per drawing.
//
// Results: 0 success, -1 failure.  Tag arguments that are normalised
// (NormaliseSystemTag) are changed in the caller's buffer.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/system_record.h"

// What EraseSystemEntities must redraw: the bits are the flags of the
// element's re-insertion (geometry 1, XDATA 2, labels 4, dimensions 8).
enum SystemChange : uint32_t {
    kChangeLabelNumbers = 4,
    kChangePen0 = 13,
    kChangeLabels = 12,
    kChangeDrawing = 15,
};

struct LSystemNode {
    LSystemNode() = default;
    LSystemNode(const LSystemNode&) = delete;
    LSystemNode& operator=(const LSystemNode&) = delete;
    ~LSystemNode();  // deletes the chain behind it

    LSystemRecord record;
    LSystemNode* next = nullptr;
    uint32_t changeMask = 0;
    int32_t savedLabelOffset = -1;  // offset the stored numbers reflect; -1: the current one
    int16_t labelLayerChanged = 0;
    int16_t keepOldLabels = 0;      // 1: copy the labels, 0: move them
    char oldLabelLayer[32] = "";    // where the labels are now
    char newLabelLayer[32] = "";    // where they go at the next update
};

constexpr int kRemovalLayers = 5;

// A deleted system whose entities are still in the drawing.  The list ends
// with one empty node; a node with a successor is a filled one.
struct LSystemRemoval {
    LSystemRemoval() = default;
    LSystemRemoval(const LSystemRemoval&) = delete;
    LSystemRemoval& operator=(const LSystemRemoval&) = delete;
    ~LSystemRemoval();  // deletes the chain behind it

    int16_t layerCount = 0;
    char tag[16] = "";
    char labelLayer[32] = "";
    char layers[kRemovalLayers][32] = {};  // distinct names, compared without case
    LSystemRemoval* next = nullptr;
};

// The document state's share: systems, removals and the program entry.
struct LSystemList {
    LSystemList();
    LSystemList(const LSystemList&) = delete;
    LSystemList& operator=(const LSystemList&) = delete;
    ~LSystemList();

    int16_t systemCount = 0;
    LSystemNode* systems = nullptr;
    LSystemRemoval* removals;     // owned; never null
    LSystemRemoval* removalTail;  // the empty last node
    ads_name programDictionary = {0, 0};
};

// Frees every system node (the removals stay).
void ClearSystems(LSystemList& list);
// Frees every filled removal node; the head becomes the empty tail.
void ClearRemovals(LSystemList& list);

LSystemNode* FindSystem(LSystemList& list, char* tag);
int16_t GetSystemByTag(LSystemList& list, LSystemRecord* out, char* tag);
// index below 0 gives the first system.
int16_t GetSystemByIndex(const LSystemList& list, LSystemRecord* out, int16_t index);
int16_t RefreshSystem(const LSystemList& list, LSystemRecord* record);
// Inserts a copy (the tag is taken as it is); no dictionary work.
int16_t InsertSystem(LSystemList& list, const LSystemRecord* record);
int16_t RemoveSystemNode(LSystemList& list, char* tag);
