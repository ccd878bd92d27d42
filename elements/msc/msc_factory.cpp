#include "elements/msc/msc_factory.h"

#include "elements/msc/msc_type_table.h"

namespace {

using Maker = LObject* (*)(int16_t type);

// One maker per type: fans 1, 2; heaters 3-5 and 6-8 share a class each, as
// do filters 9/11 and 10/12, told apart by the type they are given.  A type
// whose class is not built has none.
const Maker kMakers[kMscTypeCount] = {};

}  // namespace

LObject* CreateMscElement(int16_t type) {
    if (type < 1 || type > kMscTypeCount)
        return nullptr;
    Maker make = kMakers[type - 1];
    return make ? make(type) : nullptr;
}
