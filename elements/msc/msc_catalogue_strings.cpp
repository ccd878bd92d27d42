#include "elements/msc/msc_catalogue_strings.h"

// The equipment has no catalogue pages.
const char* const MscCatalogueNumbers[12] = {
    "", "", "", "", "", "", "", "", "", "", "", "",
};

const char* const MscDclKeys[4] = {
    "prop_msc_n5a", "prop_msc_n4a", "prop_msc_n5b", "prop_msc_n4b",
};

// Fans 1-2, heaters 3-8, filters 9-12; "(d)" marks the round variants.
const char* const MscTypeNames[12] = {
    "Ventilator",      "Ventilator (d)",  "Kalorifer +",       "Kalorifer -",
    "Kalorifer +/-",   "Kalorifer + (d)", "Kalorifer - (d)",   "Kalorifer +/- (d)",
    "Filter",          "Filter (d)",      "Filter",            "Filter (d)",
};

const char* const MscBlockNames[12] = {
    "ventn",    "ventk",   "kalplus",   "kalminus",  "kalpmns",   "kalplusd",
    "kalmind",  "kalpmnsd", "szuronsik", "szuroksik", "szurontas", "szuroktas",
};

const char* const MscBlockPrefixes[12] = {
    "ventn-",    "ventk-",   "kalplus-",   "kalminus-",  "kalpmns-",   "kalplusd-",
    "kalmind-",  "kalpmnsd-", "szuronsik-", "szuroksik-", "szurontas-", "szuroktas-",
};
