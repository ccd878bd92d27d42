#include "elements/rcs/rcs_factory.h"

#include <new>

#include "elements/rcs/lrcs_cn.h"
#include "elements/rcs/lrcs_ctr.h"
#include "elements/rcs/lrcs_rh.h"
#include "elements/rcs/lrcs_tn.h"
#include "elements/rcs/rcs_type_table.h"

namespace {

using Maker = LObject* (*)();

template <class T>
LObject* Make() {
    return new (std::nothrow) T;
}

// One maker per catalogue id; id 2 never has one, and a type whose class is
// not built yet has none.
const Maker kMakers[kRcsTypeCount] = {
    Make<LRCsCn>, nullptr, Make<LRCsRh>, Make<LRCsTn>, Make<LRCsCtr>,
};

}  // namespace

LObject* CreateRCsElement(int16_t id) {
    if (id < 1 || id > kRcsTypeCount || id == 2)
        return nullptr;
    Maker make = kMakers[id - 1];
    return make ? make() : nullptr;
}
