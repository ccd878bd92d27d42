#include "elements/vl/vl_catalogue_strings.h"

// The catalogue gives no page for VLE-05, VL-NI, VLE-06 and VLE-07; they are
// composite pieces of the same catalogue chapter as VLE-01 to VLE-04.
const char* const VlCatalogueNumbers[32] = {
    "1.10", "1.10", "1.10", "1.10", "1.10", "1.10", "1.10", "1.10",
    "1.10", "1.10", "1.10", "1.10", "1.10", "1.10", "1.51", "1.51",
    "1.52", "1.52", "1.52", "2.42", "2.41", "2.43", "2.40", "1.10",
    "1.10", "1.10", "1.10", "1.10", "1.10", "1.10", "1.10", "1.10",
};

const char* const VlDclKeys[20] = {
    "prop_vl_n3a", "prop_vl_n4",  "prop_vl_n5a", "prop_vl_n6",  "prop_vl_n7",
    "prop_vl_c4",  "prop_vl_c6",  "prop_vl_n3b", "prop_vl_n5b", "prop_vl_n3s",
    "prop_vl_n2s", "prop_vl_n6s", "prop_vl_n5s", "prop_vl_n5c", "prop_vl_n6a",
    "prop_vl_a3",  "prop_vl_d3",  "prop_vl_n4a", "prop_vl_d6",  "prop_vl_n7a",
};

const char* const VlTypeNames[32] = {
    "VL-01",  "VL-02",  "VL-03",   "VL-04",   "VL-05",  "VL-06",  "VL-07",  "VL-08",
    "VL-09",  "VL-10",  "VL-11K",  "VL-12-B", "VL-12-J", "VL-13", "KNH-E",  "KNH-K",
    "CS",     "CSK-H",  "CSK-V",   "USZ-29",  "LEM",    "S-15",   "USZ-17", "VLE-01",
    "VLE-02", "VL-11",  "VLE-03",  "VLE-04",  "VLE-05", "VL-NI",  "VLE-06", "VLE-07",
};

// S-15 (id 22) is drawn with the LEM slide.
const char* const VlBlockNames[32] = {
    "vl01",  "vl02",  "vl03",   "vl04",   "vl05",  "vl06",  "vl07",  "vl08",
    "vl09",  "vl10",  "vl11k",  "vl12_b", "vl12_j", "vl13", "knhe",  "knhk",
    "csn",   "csk-h", "csk-v",  "usz29",  "lem",   "lem",   "usz17", "vle01",
    "vle02", "vl11",  "vle03",  "vle04",  "vle05", "vlni",  "vle06", "vle07",
};

const char* const VlBlockPrefixes[32] = {
    "vl01-",  "vl02-",  "vl03-",   "vl04-",   "vl05-",  "vl06-",  "vl07-",  "vl08-",
    "vl09-",  "vl10-",  "vl11k-",  "vl12_b-", "vl12_j-", "vl13-", "knhe-",  "knhk-",
    "csn-",   "csk-h-", "csk-v-",  "usz29-",  "lem-",   "lem-",   "usz17-", "vle01-",
    "vle02-", "vl11-",  "vle03-",  "vle04-",  "vle05-", "vlni-",  "vle06-", "vle07-",
};
