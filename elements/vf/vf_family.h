// The round ducts and fittings (family 2): their family code and their
// registration with core (elements/vf/vf_types.cpp holds one entry per type).
#pragma once

#include <cstdint>

constexpr int16_t kVfFamily = 2;

// Registers every round-duct type; the entry point calls it once.
void RegisterVfFamily();
