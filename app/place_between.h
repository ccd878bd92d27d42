// Placing an element between the two elements picked by the insert-between
// command: a path element laid point by point from the first to the
// second, any other element fitted into the gap.
#pragma once

#include <cstdint>

void PlaceBetweenPicks(int16_t page);
