// The linetypes that the air systems name, loaded from the host's default
// linetype file through its linetype command.
#pragma once

#include <cstdint>

constexpr int kSystemLinetypeCount = 3;
// Centre lines, dashed and zigzag lines, in load order.
extern const char* const kSystemLinetypes[kSystemLinetypeCount];

// Loads the three linetypes into the current drawing with CMDECHO off
// (its value is restored afterwards).  A linetype the file lacks is simply
// not loaded.  Returns 0.
int16_t LoadLinetypes();
