// The parameters of each air-terminal row and the types' default values.
#pragma once

#include "core/type_tables.h"

// 40 rows of 10 values, row = id - 1; a class reads its first n.
constexpr int kRcsDefaultWidth = 10;
extern const double RcsDefaultParams[kRcsTypeCount][kRcsDefaultWidth];
// The row of an id, or null for id 2 ("RK..", no class) and outside 1 to 40.
const double* RcsDefaultRow(int id);

// TSD's height list: built at run time from the diameter of the duct that
// carries it (count 0 until then).
extern double RcsTsdHeights[6];

// Writes every row's kinds, lists, captions (the row arrays exist).
void FillRcsRowParams(LTypeDescriptor* table);
