// Steps shared by the commands that change an element already in the
// drawing: picking an element, writing the current element back, and the
// two neighbours of an element that sits between two joints.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/element_ptr.h"

class LObject;

// Insert options: 15 writes an element fully, 13 rewrites a neighbour.
constexpr uint16_t kWriteElement = 15;
constexpr uint16_t kWriteNeighbour = 13;

// Messages of the edit commands.
constexpr int kNothingPickedMessage = 152;
constexpr int kNotAnElementMessage = 153;
constexpr int kNoFreeConnectorMessage = 156;
constexpr int kRefitFailedMessage = 167;

enum class PickResult { kPicked, kCancelled, kNothing };
// One entity pick at the host's default prompt.
PickResult PickEntity(ads_name out);

// The current element reloaded from the current entity (see
// SelectCurrentElement); null when there is none.  When the current insert
// was erased, the element in memory is dropped and the user told that there
// is no current element.  Null too, with the user told, while the element
// or one joined to it (its neighbours, parent and children) lies in another
// plane than the drawing's; with kOwn only the element's own plane counts,
// for a command that acts by the element alone.
enum class PlaneCheck { kAround, kOwn };
LObject* ReloadCurrentElement(PlaneCheck check = PlaneCheck::kAround);

// Whether the current element's children are aligned to it and written
// with it.
enum class ChildWrites { kLeft, kAligned };

// Writes the current element fully (after its children when they are
// aligned, and after its neighbour when one is given), makes its insert the
// current entity and highlights it.  When the drawing refuses a write, that
// is said, every write of the command is taken back, and the current
// element is released (the objects no longer say what the drawing holds).
void WriteCurrent(LObject* element, LObject* neighbour = nullptr, ChildWrites children = ChildWrites::kLeft);

// An element joined on two connectors: a and b its joined connectors, A
// and B the neighbours behind them, i and j their connectors.
struct TwoJoints {
    int16_t a = -1, b = -1, i = -1, j = -1;
    int16_t orientation = -1;  // the element's, as it lies between them
    ElementPtr A;
    ElementPtr B;
};
// 0 with both neighbours loaded when their connectors face each other (the
// element lies straight between them), else -1.
int16_t LoadTwoJoints(LObject* element, TwoJoints* out);
// Separates the element from both neighbours (in memory).
void DisconnectBoth(LObject* element, TwoJoints& joints);
// Refits the current element between the two neighbours with the first
// pair of its connectors (k from a + 1 on, l from b + 1 on, cyclically)
// that fits; before each try `prepare` may fit the pair first.  0 when one
// fitted (everything is written), -1 when none did.  The pair (a, b) in the
// element's own orientation is where it already lies, not a turn: it is
// never refitted, so a turn that fits nowhere else writes nothing.
using PairPreparation = void (*)(LObject* element, TwoJoints& joints, int16_t k, int16_t l);
int16_t RefitBetweenJoints(LObject* element, TwoJoints& joints, PairPreparation prepare = nullptr);
