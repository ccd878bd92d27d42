// Turns a fire-damper subtype (1 to 17) into a new element.
#pragma once

#include <cstdint>

class LObject;

// Null outside 1 to 17 or for a type whose class is not built.
LObject* CreateTvElement(int16_t subtype);
