// The rectangular duct fittings (family 1): their family code and their
// registration with core (elements/vl/vl_types.cpp holds one entry per type).
#pragma once

#include <cstdint>

constexpr int16_t kVlFamily = 1;

// Registers every rectangular-duct type; the entry point calls it once.
void RegisterVlFamily();
