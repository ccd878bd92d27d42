// Dispatch of a function call: runs the command of the called function's
// code and applies its continuous-placement rule.
#pragma once

#include <cstdint>

// Continuous placement: 0 off.  Module-wide, kept across drawings.
int16_t ContinuousMode();
void SetContinuousMode(int16_t mode);

// Runs the function the host is calling.  Returns 1 when a command ran, 0
// when the host version was refused or the code is unknown.
int InvokeFunction();
// The same for a code given by the caller rather than asked of the host.
int InvokeFunctionCode(int code);

// What runs continuous placement; tests put their own in its place.
// Returns the one it replaces.
using PlacementRunner = int (*)();
PlacementRunner SetPlacementRunner(PlacementRunner runner);
