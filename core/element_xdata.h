// Helpers of the element XDATA (see LObject::WriteXData and ReadXData).
#pragma once

#include <cstdint>

#include "core/type_descriptor.h"

// The flags word: edited + 2 x orientation, plus 20 for listing flag 1 or
// 40 for listing flag -1.
int16_t EncodeElementFlags(int16_t edited, int16_t orientation, int16_t listing);
void DecodeElementFlags(int16_t value, int16_t* edited, int16_t* orientation, int16_t* listing);

// The loose joining pieces counted at a joint between the types of two
// rows: 3 when both are layered ducts, 1 when both are ducts
// (kTypeJointDuct), 2 when neither is, 0 when exactly one is.
int16_t JointPieceCode(const LTypeDescriptor* a, const LTypeDescriptor* b);
// The same between two stored types (family and subtype of each element's
// data).  A second variant stored under a code of its own (the layered
// ducts' 23 and 24) is neither a duct nor layered here, although it is
// built and described with its first variant's row.
int16_t StoredJointPieceCode(int16_t familyA, int16_t subtypeA, int16_t familyB, int16_t subtypeB);

// The label text height of a system: 1.8 x size, grown for tags longer
// than 2 characters.
double LabelTextHeight(double size, const char* tag);
