#include "elements/rcs/rcs_catalogue_strings.h"

// The last four types are not in the printed catalogue.
const char* const RcsCatalogueNumbers[40] = {
    "2.10", "2.11", "2.13", "2.14", "2.18", "2.23", "2.16", "2.17", "2.30", "2.24",
    "2.24", "2.31", "2.32", "2.35", "2.51", "2.52", "2.55", "2.56", "2.56", "2.56",
    "2.57", "2.60", "2.61", "2.70", "2.70", "1.41", "1.41", "2.62", "2.62", "2.70",
    "2.70", "2.70", "2.50", "5.36", "2.26", "2.34", "",     "",     "",     "",
};

// The family's own dialog keys, in the order of the first type that uses each.
const char* const RcsDclKeys[28] = {
    "prop_rcs_c1", "prop_rcs_c2", "prop_rcs_s1",  "prop_rcs_s2",  "prop_rcs_s3",
    "prop_rcs_c6", "prop_rcs_c5", "prop_rcs_c4",  "prop_rcs_c7",  "prop_rcs_c8",
    "prop_rcs_a6", "prop_rcs_c3", "prop_rcs_s4",  "prop_rcs_s6",  "prop_rcs_a4",
    "prop_rcs_q3", "prop_rcs_b4", "prop_rcs_q4",  "prop_rcs_a3",  "prop_rcs_q2",
    "prop_rcs_n5", "prop_rcs_n4", "prop_rcs_n7",  "prop_rcs_t1",  "prop_rcs_nw1",
    "prop_rcs_nw2", "prop_rcs_nw3", "prop_rcs_nw4",
};

const char* const RcsTypeNames[40] = {
    "CSD..", "RK..",    "RDN..", "TSD",   "CTR",   "RLS..", "ANS..", "CNH-F", "KRS..",   "BBL",
    "BBF",   "DZK..",   "RNT..", "TP..",  "LS",    "SB",    "BPS",   "BPN",   "BPK",     "BPK+DZK",
    "VBF",   "KDK",     "EV",    "TTA",   "TTH",   "VF-18", "VF-19", "BSN",   "BSK",     "TTB",
    "TTC/TTD", "TTL",   "KRE..", "KA",    "KF",    "KP",    "DAF",   "PTRD/PTRI", "BLD/BLI", "RLD/RLI",
};

// Several types share a slide: CTR with RDN, BPS and DAF with SB, the TT
// boxes with TTB, BLD with CSD and RLD with CNH-F.
const char* const RcsBlockNames[40] = {
    "cn",  "rkn",  "rd",  "tn",  "rd",  "rks",  "ans",  "cnh", "krs",  "dll",
    "dlf", "dk",   "d",   "tp",  "ls",  "sb",   "sb",   "bpn", "bpkr", "bpk",
    "vbf", "kdk",  "ev",  "ttb", "tth", "vf18", "vf19", "bsn", "bsk",  "ttb",
    "ttc", "ttb",  "kre", "ka",  "kf",  "kp",   "sb",   "ptrd", "cn",  "cnh",
};

const char* const RcsBlockPrefixes[40] = {
    "cn-",  "rkn-", "rd-",  "tn-",  "rd-",  "rks-",  "ans-",  "cnh-", "krs-",  "dll-",
    "dlf-", "dk-",  "d-",   "tp-",  "ls-",  "sb-",   "sb-",   "bpn-", "bpkr-", "bpk-",
    "vbf-", "kdk-", "ev-",  "ttb-", "tth-", "vf18-", "vf19-", "bsn-", "bsk-",  "ttb-",
    "ttc-", "ttb-", "kre-", "ka-",  "kf-",  "kp-",   "sb-",   "ptrd-", "cn-",  "cnh-",
};
