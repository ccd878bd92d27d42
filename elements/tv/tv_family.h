// The fire dampers (family 4): their family code and their registration with
// core (elements/tv/tv_types.cpp holds one entry per type).
#pragma once

#include <cstdint>

constexpr int16_t kTvFamily = 4;

// Registers every fire-damper type; the entry point calls it once.
void RegisterTvFamily();
