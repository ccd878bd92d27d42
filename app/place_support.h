// Steps shared by the commands that place elements: the element placement
// command, continuous placement and the network start.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/element_ptr.h"

class LConnector;

// Prints a command message (core/message_numbers.h) unchanged.
void PrintCommandMessage(int number);

// The type chooser the placing commands ask; tests put their own in its
// place.  0 with the subtype, non-zero when cancelled.  Returns the one it
// replaces.
using ElementTypeChooser = int16_t (*)(int16_t page, int16_t* subtype);
ElementTypeChooser SetElementTypeChooser(ElementTypeChooser chooser);
int16_t AskElementType(int16_t page, int16_t* subtype);

// The family a chooser page makes: the page for 1 to 4, 5 for 5 to 8.
int16_t PlacementFamily(int16_t page);
// A new element of the type chosen on a chooser page; null when the chooser
// was cancelled or the type has no class.
ElementPtr ChooseNewElement(int16_t page);

// The new element takes a copy of the current air system.
void GiveCurrentSystem(LObject* element);
// False, with message 160, when the current air system has a tag that the
// drawing's systems no longer list (deleted since it was chosen): nothing
// may be placed on it until the user chooses a system.
bool CurrentSystemListed();
// currentEntity := the element's insert, redrawn highlighted; hasElements := 1.
void MakeCurrentEntity(LObject* element);
// Where the search for a free connector of the current element starts:
// after the connector at the start point, else from the beginning.
int16_t ConnectorSearchStart();
// The current element becomes the neighbour of a new current element,
// joined at its connector k to the neighbour's connector n.  The old
// neighbour and the pending start connector are freed.
void ShiftToNewCurrent(LObject* element, int16_t k, int16_t n);

// The connector k of a new first element that meets the pending start
// connector (anyAxis: a connector along any axis will do).  -1 when the
// element is not an ordinary one, or has no free connector of the start's
// shape (then message 156).
int16_t ConnectorAtStart(LObject* element, const LConnector* start, bool anyAxis);
// A new first element, fitted at the pending start point, is inserted and
// becomes the current element (the one before is freed) at its connector
// k; selectionState := 0.  -1 when the drawing refused it: said, and the
// current element is the one before.
int16_t StartWithElement(ElementPtr element, int16_t k);

// The connectors that join a new element to free connector n of the
// current element: k := the element's first free connector of n's shape;
// when it has none, its first free connector of any shape, and n := the
// current element's next free connector after c0 of that shape.  The shape
// joined goes to *shape.  -1 with message 156 when nothing matches.
int16_t MatchConnectors(LObject* current, LObject* element, int16_t c0, bool anyAxis, int16_t* n,
                        int16_t* k, int16_t* shape);
// The new element becomes the current element joined at its connector k to
// connector n of the one before, which becomes its neighbour (and keeps
// its sizes when it has a neighbour itself); it takes the current air
// system.  Returns the element, now owned by the document state.
LObject* AdvanceTo(ElementPtr element, int16_t k, int16_t n);
// Writes an element joined at its connector k to connector n of its
// neighbour: inserted, joined, both written back.  -1 when the drawing
// refused a write: said, the drawing left as it was and the current element
// released.
int16_t InsertJoined(LObject* element, LObject* neighbour, int16_t k, int16_t n);
// Fits connector own of the element to connector theirs of other, turning
// the element through its orientations; 0 when it fits.
int16_t FitTurning(LObject* element, LObject* other, int16_t own, int16_t theirs);

// World point and drawing direction of an element's connector i.
void ConnectorPoint(const LObject* element, int16_t i, ads_point out);
double ConnectorDirection(const LObject* element, int16_t i);
