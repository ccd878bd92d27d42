// The walk of one air-system network from an element: every element of the
// same system reached through children, joined neighbours and parents is
// labelled, numbered and sized by the option code of the sizing dialog.
#pragma once

#include <cstdint>

#include "ads_types.h"

// Option bits of the walk: number labels, placed without asking the
// numbers, fitting labels and connector sizes.
constexpr int16_t kWalkLabels = 8;
constexpr int16_t kWalkNoQuestions = 4;
constexpr int16_t kWalkSizes = 16;

// Walks from the start insert, adding every insert it comes to to the
// visited set.  0 done; -1 the start is not an element or belongs to
// another system; -2 stopped ("Quit"); 200 "Select" at a label of the
// start element.  Elements deeper in the network are walked by a loop, so
// a network of any size cannot exhaust the stack.
int16_t WalkNetwork(const ads_name start, ads_name visited, const char* tag, int16_t option);
