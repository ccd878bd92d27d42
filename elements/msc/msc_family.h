// The fans, heaters and filters (family 5): their family code and their
// registration with core (elements/msc/msc_types.cpp holds one entry per
// type).
#pragma once

#include <cstdint>

constexpr int16_t kMscFamily = 5;
// The placing pages 6 to 8 make this family too.
constexpr int16_t kMscLastPageFamily = 8;

// Registers every fan, heater and filter type; the entry point calls it once.
void RegisterMscFamily();
