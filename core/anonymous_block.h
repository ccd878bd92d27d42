// The bracket around an element's geometry: a new anonymous block, named by
// the host when it is closed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ads_types.h"

// Starts the block at the base point; entities made next belong to it.
int16_t BeginAnonymousBlock(const ads_point base);
// Closes the block and copies the name the host gave it into name (cut to
// nameSize characters).  Returns the status of reading the name: RTNORM
// when a name was read.
int16_t EndAnonymousBlock(char* name, size_t nameSize);
