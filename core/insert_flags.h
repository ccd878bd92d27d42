// The flags of LObject::Insert: what is written again for an element that
// is already in the drawing (a new element is always inserted whole).
#pragma once

#include <cstdint>

constexpr uint16_t kInsertUpdate = 1;     // update the insert
constexpr uint16_t kInsertNewBlock = 2;   // build a new block
constexpr uint16_t kInsertLabels = 4;     // refresh the labels
constexpr uint16_t kInsertMarks = 8;      // refresh the marks and dimensions
// Everything: the element's shape or sizes changed.
constexpr uint16_t kInsertAll = kInsertUpdate | kInsertNewBlock | kInsertLabels | kInsertMarks;
// Everything but the block: a joint or the placement changed.
constexpr uint16_t kInsertRefresh = kInsertUpdate | kInsertLabels | kInsertMarks;
