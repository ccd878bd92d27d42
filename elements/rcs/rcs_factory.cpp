#include "elements/rcs/rcs_factory.h"

#include "elements/rcs/rcs_type_table.h"

namespace {

using Maker = LObject* (*)();

// One maker per catalogue id; id 2 never has one, and a type whose class is
// not built yet has none.
const Maker kMakers[kRcsTypeCount] = {};

}  // namespace

LObject* CreateRCsElement(int16_t id) {
    if (id < 1 || id > kRcsTypeCount || id == 2)
        return nullptr;
    Maker make = kMakers[id - 1];
    return make ? make() : nullptr;
}
