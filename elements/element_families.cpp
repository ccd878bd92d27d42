#include "elements/element_families.h"

#include "elements/msc/msc_family.h"
#include "elements/rcs/rcs_family.h"
#include "elements/tv/tv_family.h"
#include "elements/vf/vf_family.h"
#include "elements/vl/vl_family.h"

void RegisterElementFamilies() {
    RegisterVlFamily();
    RegisterVfFamily();
    RegisterRcsFamily();
    RegisterTvFamily();
    RegisterMscFamily();
}
