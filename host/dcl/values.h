// The values tiles hold, by kind: toggles and radio buttons "0" or "1",
// a radio cluster the key of its chosen button, a list box the indexes of
// its chosen rows ("" for none), a popup list one index, a slider a whole
// number in its range, other tiles their text.
#pragma once

#include <string>

#include "dcl/tile.h"

namespace host::dcl {

// Sets up the values of a new tile tree from the "value" and "list"
// attributes, and chooses the radio buttons that say "1".
void initValues(Tile& root);

// Sets a value as the application does: leniently, as the platform does
// (a toggle takes anything but "1" as "0", indexes out of range are
// dropped, an unknown radio key clears the cluster).
void setValue(Tile& tile, const std::string& value);

// Empty when the user could give the tile this value, else why not.
std::string checkUserValue(const Tile& tile, const std::string& value);

// The rows chosen in a list box or popup list, as indexes.
std::vector<int> chosenRows(const Tile& tile);

// After the rows of a list changed: keeps the chosen rows that still exist.
// A new list (fresh) clears the choice; a popup list then shows row 0.
void listChanged(Tile& tile, bool fresh);

} // namespace host::dcl
