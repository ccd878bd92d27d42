// Which connectors of two elements face each other in the drawing.
#pragma once

#include <cstdint>

class LObject;

// 0 when connector i of a and connector j of b point at each other (world
// directions differ by pi within pi/1000); mode 1 also needs a's connector
// to lie in front of b's.  -1 otherwise, also for a mode other than 0 or 1.
int16_t CheckConnectorsFacing(int16_t mode, LObject* a, LObject* b, int16_t i, int16_t j);
// The first pair of free connectors (i of a, j of b) that face each other in
// mode 1; 0 with i and j, or -1.
int16_t FindFacingFreeConnectors(LObject* a, LObject* b, int16_t* i, int16_t* j);
