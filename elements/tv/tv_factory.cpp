#include "elements/tv/tv_factory.h"

#include "elements/tv/tv_type_table.h"

namespace {

using Maker = LObject* (*)(int16_t subtype);

// One maker per subtype; XN2 classes serve 14/16 and 15/17, told apart by
// the subtype they are given.  A type whose class is not built has none.
const Maker kMakers[kTvTypeCount] = {};

}  // namespace

LObject* CreateTvElement(int16_t subtype) {
    if (subtype < 1 || subtype > kTvTypeCount)
        return nullptr;
    Maker make = kMakers[subtype - 1];
    return make ? make(subtype) : nullptr;
}
