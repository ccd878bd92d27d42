// The rectangular-duct family's type table rows and default values.
#pragma once

#include <cstdint>

#include "core/type_tables.h"

// 32 rows of 8 values, row = type id - 1; a class reads its first n.
constexpr int kVlDefaultWidth = 8;
extern const double VlDefaultParams[kVlTypeCount][kVlDefaultWidth];
// The row of a type id, or null outside 1 to 32.
const double* VlDefaultRow(int typeId);

int16_t InitVlTypeTable();
