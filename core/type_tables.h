// The per-family type tables, their set-up at load, and bounds-checked
// look-up of an element's row.
#pragma once

#include <cstdint>

#include "core/type_descriptor.h"

constexpr int kVlTypeCount = 32;
constexpr int kVfTypeCount = 22;
constexpr int kRcsTypeCount = 40;
constexpr int kTvTypeCount = 17;
constexpr int kMscTypeCount = 12;
constexpr int kCustomTypeCount = 1;

extern LTypeDescriptor VlTypeTable[kVlTypeCount];
extern LTypeDescriptor VfTypeTable[kVfTypeCount];
extern LTypeDescriptor RcsTypeTable[kRcsTypeCount];
extern LTypeDescriptor TvTypeTable[kTvTypeCount];
extern LTypeDescriptor MscTypeTable[kMscTypeCount];
extern LTypeDescriptor CustomTypeTable[kCustomTypeCount];

// The 31 standard diameters of round ducts, the default list of every row.
constexpr int kStandardDiameterCount = 31;
extern const double StandardDiameters[kStandardDiameterCount];

// Fills every family's table, in the order rectangular ducts, round ducts,
// air terminals, fire dampers, fans/heaters/filters, custom element.  Runs
// after the messages file is loaded; may run again (the rows are refilled).
int16_t InitTypeTables();
int16_t InitCustomTypeTable();

// The row of a family's subtype, or null when there is none.  Round-duct
// subtypes 23 and 24 (second variants of 17 and 18) use the rows of 17 and
// 18; families 6 to 8 are family 5.
LTypeDescriptor* TypeRow(int family, int subtype);
// Number of rows of a family's table, 0 for an unknown family.
int TypeRowCount(int family);
