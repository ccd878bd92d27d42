// The two symbols of the fire dampers that sit in a duct run: the
// rectangular damper (a casing carrying the duct section, the blade seen
// dashed, the actuator housing) and the round damper (a square casing with
// flanges and a spigot of 50 on each side).  Each draws a whole anonymous
// block for the element's orientation, its connector ends included, and
// writes the block's name (kBlockNameSize characters).
#pragma once

#include <cstdint>

#include "elements/tv/ltv.h"

// Spigot length of the round dampers on each side of the casing.
constexpr double kDamperSpigot = 50.0;

// L x H the duct section, depth the casing length along the run.
int16_t DrawRectDamperSymbol(LTv& e, double L, double H, double depth, char* blockName);
// D the duct diameter, S the casing side, depth the casing length.
int16_t DrawRoundDamperSymbol(LTv& e, double D, double S, double depth, char* blockName);
