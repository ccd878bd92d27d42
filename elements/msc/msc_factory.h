// Turns a fan, heater or filter type (1 to 12) into a new element.
#pragma once

#include <cstdint>

class LObject;

// Null outside 1 to 12 or for a type whose class is not built.  Every
// element made here records family 5.
LObject* CreateMscElement(int16_t type);
