// Label numbering: the number labels of a network get the position numbers
// of the bill of materials.  Labels with the same description share a
// number; a number the user gives to a new description pushes the numbers
// already taken upward; labels not numbered yet show provisional numbers
// above the highest one in use.  The lists live in the document state.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;
struct LListEntry;

// Results of NumberLabel and WalkNetwork besides 0 and -1.
constexpr int16_t kWalkStopped = -2;
constexpr int16_t kWalkSelect = 200;

// Enters label i of the element into the numbered rows under relative
// number n: it joins the group of n when that group has the same
// description, else it heads a new group and the groups n, n + 1, ... that
// follow without a gap move one up (their elements are rewritten later).
// The new entry, marked for writing.
LListEntry* AddNumberedLabel(LObject* element, int16_t i, const char* tag, const char* text, int32_t n);
// Writes changed numbers into the elements: the marked numbered rows, and
// the pending labels whose provisional number changed (every pending label
// when all is 1).
void ApplyLabelNumbers(int16_t all);
// Gives each label of the element the number its list entry holds (the
// provisional one above the highest for a pending label), before the
// element is written: the lists may have moved its numbers while this
// copy was being numbered.
void ShowListedNumbers(LObject* element);
// Places label i of the element and asks its number (prompt 190, "Quit").
// 0 numbered; -1 not numbered (left out of the bill, not listed, "Quit");
// else the label placement's result (-2, 200).
int16_t NumberLabel(LObject* element, int16_t i);
