// The parameters of each fire-damper row and the types' default values.
#pragma once

#include "core/type_tables.h"

// 17 rows of 10 values, row = subtype - 1; a class reads its first n.  The
// place of the text parameter holds 0 (the empty text).
constexpr int kTvDefaultWidth = 10;
extern const double TvDefaultParams[kTvTypeCount][kTvDefaultWidth];
// The row of a subtype, or null outside 1 to 17.
const double* TvDefaultRow(int subtype);

// Writes every row's kinds, lists and captions (the row arrays exist).
void FillTvRowParams(LTypeDescriptor* table);
