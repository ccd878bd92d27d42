// Turns a round-duct type id (1 to 24) into a new element.
#pragma once

#include <cstdint>

class LObject;

// Null outside 1 to 24 or for a type whose class is not built; ids 23 and
// 24 make the classes of 17 and 18 (their second variants).
LObject* CreateVfElement(int16_t typeId);
