// Turns an air-terminal catalogue id (1 to 40) into a new element.
#pragma once

#include <cstdint>

class LObject;

// Null for id 2 ("RK.." has no class), outside 1 to 40, or for a type whose
// class is not built.
LObject* CreateRCsElement(int16_t id);
