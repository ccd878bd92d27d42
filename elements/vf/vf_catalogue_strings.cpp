#include "elements/vf/vf_catalogue_strings.h"

const char* const VfCatalogueNumbers[22] = {
    "1.31",      "1.30",      "1.41/1.42", "1.41/1.42", "1.41/1.42", "1.41/1.42",
    "1.41/1.42", "1.41/1.42", "1.41",      "1.41",      "1.31/1.41", "1.41",
    "1.41",      "1.41/1.42", "1.41/1.42", "1.41/1.42", "1.50",      "1.50",
    "2.42",      "2.54",      "1.41/1.42", "1.41",
};

// "prop_vf_a4" (row 5) belongs to no type.
const char* const VfDclKeys[15] = {
    "prop_vf_a2", "prop_vf_b2", "prop_vf_n1", "prop_vf_n2", "prop_vf_n3",
    "prop_vf_a4", "prop_vf_a3", "prop_vf_s3", "prop_vf_s2", "prop_vf_b4",
    "prop_vf_b3", "prop_vf_d2", "prop_vf_d4", "prop_vf_v3", "prop_vf_v4",
};

const char* const VfTypeNames[22] = {
    "SPIRO",    "FLEX",     "VF/KS-04", "VF/KS-05", "VF/KS-06", "VF/KS-07",
    "VF/KS-08", "VF/KS-09", "VF-10",    "VF-11/12", "VFE-01",   "VF-16",
    "VF-17",    "VF/KS-20", "VF/KS-21", "VF/KS-22", "HSPIRO",   "HFLEX",
    "USZ-28",   "FSPIRO",   "VF/KS-03", "VF-15",
};

const char* const VfBlockNames[22] = {
    "spiko", "wester", "vf04",   "vf05",    "vf06",  "vf07",  "vf08", "vf09",
    "vf10",  "vf1112", "vfe01",  "vf16",    "vf17",  "vf20",  "vf21", "vf22",
    "hspiko", "hwester", "usz28", "sfk",    "vf03",  "vf15",
};

// USZ-28 (id 19) has no prefix of its own and is drawn as VF-10.
const char* const VfBlockPrefixes[22] = {
    "spiko-", "wester-", "vf04-",   "vf05-",    "vf06-",  "vf07-",  "vf08-", "vf09-",
    "vf10-",  "vf1112-", "vfe01-",  "vf16-",    "vf17-",  "vf20-",  "vf21-", "vf22-",
    "hspiko-", "hwester-", "vf10-", "sfk-",     "vf03-",  "vf15-",
};
