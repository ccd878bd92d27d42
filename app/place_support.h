// Steps shared by the commands that place elements: the element placement
// command, continuous placement and the network start.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;

// Prints a command message (number 148 on) unchanged.
void PrintCommandMessage(int number);

// The type chooser the placing commands ask; tests put their own in its
// place.  0 with the subtype, non-zero when cancelled.  Returns the one it
// replaces.
using ElementTypeChooser = int16_t (*)(int16_t page, int16_t* subtype);
ElementTypeChooser SetElementTypeChooser(ElementTypeChooser chooser);
int16_t AskElementType(int16_t page, int16_t* subtype);

// The family a chooser page makes: the page for 1 to 4, 5 for 5 to 8.
int16_t PlacementFamily(int16_t page);

// The new element takes a copy of the current air system.
void GiveCurrentSystem(LObject* element);
// currentEntity := the element's insert, redrawn highlighted; hasElements := 1.
void MakeCurrentEntity(LObject* element);
// Where the search for a free connector of the current element starts:
// after the connector at the start point, else from the beginning.
int16_t ConnectorSearchStart();
// The current element becomes the neighbour of a new current element,
// joined at its connector k to the neighbour's connector n.  The old
// neighbour and the pending start connector are freed.
void ShiftToNewCurrent(LObject* element, int16_t k, int16_t n);
// Fits connector own of the element to connector theirs of other, turning
// the element through its orientations; 0 when it fits.
int16_t FitTurning(LObject* element, LObject* other, int16_t own, int16_t theirs);

// World point and drawing direction of an element's connector i.
void ConnectorPoint(const LObject* element, int16_t i, ads_point out);
double ConnectorDirection(const LObject* element, int16_t i);
