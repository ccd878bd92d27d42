#include "elements/vl/vl_factory.h"

#include "elements/vl/lvl01.h"
#include "elements/vl/vl_type_table.h"

namespace {

using Maker = LObject* (*)(int16_t typeId);

LObject* MakeVl01(int16_t) { return new LVl01; }

// One maker per type id; a type whose class is not built yet has none.
// LVl12B serves ids 12 and 13, told apart by the id it is given.
const Maker kMakers[kVlTypeCount] = {
    MakeVl01,  // 1 VL-01
};

}  // namespace

LObject* CreateVlElement(int16_t typeId) {
    if (typeId < 1 || typeId > kVlTypeCount)
        return nullptr;
    Maker make = kMakers[typeId - 1];
    return make ? make(typeId) : nullptr;
}
