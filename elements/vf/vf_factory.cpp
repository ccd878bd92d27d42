#include "elements/vf/vf_factory.h"

#include "elements/vf/lvfspiko.h"
#include "elements/vf/vf_type_table.h"

namespace {

using Maker = LObject* (*)();

LObject* MakeSpiko() { return new LVfSpiko; }

// One maker per type id 1 to 22; a type whose class is not built yet has none.
const Maker kMakers[kVfTypeCount] = {
    MakeSpiko,  // 1 SPIRO
};

}  // namespace

LObject* CreateVfElement(int16_t typeId) {
    if (typeId < 1 || typeId > 24)
        return nullptr;
    if (typeId > kVfTypeCount)
        typeId -= 6;  // 23, 24: the layered ducts' second variants
    Maker make = kMakers[typeId - 1];
    return make ? make() : nullptr;
}
