// The air terminals (family 3): their family code and their registration
// with core (elements/rcs/rcs_types.cpp holds one entry per type).
#pragma once

#include <cstdint>

constexpr int16_t kRcsFamily = 3;

// Registers every air-terminal type; the entry point calls it once.
void RegisterRcsFamily();
