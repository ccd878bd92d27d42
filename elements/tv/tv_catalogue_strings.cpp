#include "elements/tv/tv_catalogue_strings.h"

const char* const TvCatalogueNumbers[17] = {
    "1.62", "1.62", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
};

// "prop_tv_k2" and "prop_tv_k3" serve the air terminals BSK and BSN.
const char* const TvDclKeys[14] = {
    "prop_tv_k2",  "prop_tv_k3",  "prop_tv_e3",  "prop_tv_e4",  "prop_tv_s1",
    "prop_tv_s2",  "prop_tv_s3",  "prop_tv_s4",  "prop_tv_e3b", "prop_tv_e4b",
    "prop_tv_e3c", "prop_tv_e4c", "prop_tv_e3d", "prop_tv_e4d",
};

const char* const TvTypeNames[17] = {
    "VT-3-2", "VT-3-2K", "LZ3",  "LZ3K",    "CF1H1V", "CF1H1VP", "CF1H1VA", "CF1H2V", "CF1H2VP",
    "CF2H1V", "CF2H2V",  "PX1G", "Autodef", "XN2-A",  "XN2-AK",  "XN2-J",   "XN2-JK",
};

const char* const TvBlockNames[17] = {
    "xn",   "xnk",  "xn",   "xnk",     "px1v", "cx1va", "cx1va", "px1v", "cx1va",
    "cz1v", "cz1v", "px1g", "autodef", "xn",   "xnk",   "xn",    "xnk",
};

const char* const TvBlockPrefixes[17] = {
    "xn-",   "xnk-",  "xn-",   "xnk-",     "px1v-", "cx1va-", "cx1va-", "px1v-", "cx1va-",
    "cz1v-", "cz1v-", "px1g-", "autodef-", "xn-",   "xnk-",   "xn-",    "xnk-",
};
