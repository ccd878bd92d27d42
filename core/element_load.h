// Rebuilding an element object from its insert in the drawing.
#pragma once

#include <cstdint>

#include "ads_types.h"
#include "core/label_owner.h"

class LObject;

// A new element of the insert's family and subtype, read from its XDATA
// and given the insert's handle, point, rotation, scale and plane and the
// listed system of its tag; owned by the caller.  Null for an entity without
// element XDATA, a type without a class, XDATA that does not follow the
// format (nothing half-read is kept) or a system the drawing does not list.
// Its labels are those that name it (LObject::ReadXData).
LObject* LoadElementFromEntity(const ads_name entity, LabelOwner labels = LabelOwner::kThisElement);

// The maker of element objects the loader uses (CreateElement unless
// replaced); returns the one it replaces.  Tests load their own family.
using ElementMaker = LObject* (*)(int16_t family, uint16_t subtype);
ElementMaker SetElementMaker(ElementMaker maker);
LObject* MakeElement(int16_t family, uint16_t subtype);
