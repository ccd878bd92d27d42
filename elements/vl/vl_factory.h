// Turns a rectangular-duct type id (1 to 32) into a new element.
#pragma once

#include <cstdint>

class LObject;

// Null for an id outside 1 to 32 or a type whose class is not built.
LObject* CreateVlElement(int16_t typeId);
