#include "elements/tv/tv_factory.h"

#include <new>

#include "elements/tv/ltv_lz3.h"
#include "elements/tv/ltv_vt32.h"
#include "elements/tv/tv_type_table.h"

namespace {

using Maker = LObject* (*)(int16_t subtype);

template <class T>
LObject* Make(int16_t) {
    return new (std::nothrow) T;
}

// One maker per subtype; XN2 classes serve 14/16 and 15/17, told apart by
// the subtype they are given.  A type whose class is not built has none.
const Maker kMakers[kTvTypeCount] = {
    Make<LTvVt32>, Make<LTvVt32K>, Make<LTvLz3>, Make<LTvLz3K>,
};

}  // namespace

LObject* CreateTvElement(int16_t subtype) {
    if (subtype < 1 || subtype > kTvTypeCount)
        return nullptr;
    Maker make = kMakers[subtype - 1];
    return make ? make(subtype) : nullptr;
}
