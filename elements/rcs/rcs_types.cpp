// The air terminals (family 3): one entry per type, and the family's
// registration.  The terminals without a connector (1 to 8, 39, 40) show
// their own airflow, BPS and DAF the sum of their two spigots, the others
// that of connector 0.
#include "elements/rcs/rcs_family.h"

// The TT boxes, the K, DAF and PTRD terminals and the BLD and RLD grilles.
#include "elements/rcs/lrcs_bld.h"
#include "elements/rcs/lrcs_daf.h"
#include "elements/rcs/lrcs_ka.h"
#include "elements/rcs/lrcs_kf.h"
#include "elements/rcs/lrcs_kp.h"
#include "elements/rcs/lrcs_kre.h"
#include "elements/rcs/lrcs_ptrd.h"
#include "elements/rcs/lrcs_tta.h"
#include "elements/rcs/lrcs_ttc.h"
#include "elements/rcs/lrcs_tth.h"

#include <iterator>

#include "core/type_tables.h"
#include "elements/rcs/lrcs_ans.h"
#include "elements/rcs/lrcs_bpk.h"
#include "elements/rcs/lrcs_bpn.h"
#include "elements/rcs/lrcs_bps.h"
#include "elements/rcs/lrcs_cn.h"
#include "elements/rcs/lrcs_cnhf.h"
#include "elements/rcs/lrcs_ctr.h"
#include "elements/rcs/lrcs_dk.h"
#include "elements/rcs/lrcs_dk_bpk.h"
#include "elements/rcs/lrcs_dlf.h"
#include "elements/rcs/lrcs_dll.h"
#include "elements/rcs/lrcs_ev.h"
#include "elements/rcs/lrcs_kdk.h"
#include "elements/rcs/lrcs_krs.h"
#include "elements/rcs/lrcs_ls.h"
#include "elements/rcs/lrcs_rh.h"
#include "elements/rcs/lrcs_rhs.h"
#include "elements/rcs/lrcs_rmt.h"
#include "elements/rcs/lrcs_sb.h"
#include "elements/rcs/lrcs_tn.h"
#include "elements/rcs/lrcs_tp.h"
#include "elements/rcs/lrcs_vbf.h"
#include "elements/rcs/ltv_bsn_bsk.h"
#include "elements/rcs/lvf_end_cap.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rnt_size_lists.h"

namespace {

// Lists and rows shared by several types (see also rcs_lists.h).
const char* const kTtTypes[] = {"TTE", "TTK", "TTR", "TTM", "TTX"};
const char* const kTtGCodes[] = {"G10", "G11", "G12", "G13", "G14", "G15", "G16"};
const double kTtSmallH[] = {78, 150, 292};
const double kFourDiameters[] = {160, 200, 250, 315};
const double kAnsEnds[] = {240, 340, 440, 540};
const char* const kCnhTypes[] = {"CNH-F", "ANH-F"};
const double kCnhLengths[] = {100, 200, 300, 400, 500, 543, 600, 800, 1000, 1200};
const double kCnhHeights[] = {100, 200, 300, 400, 500, 543, 600};
const double kKrsDiameters[] = {160, 180, 200, 220, 235, 250, 300, 315,
                                350, 400, 450, 500, 600, 630, 700, 800};
const double kBoxDiameters[] = {100, 160, 200, 250, 315, 350, 400, 450, 500};
const double kDzkSpigots[] = {80, 100, 125, 160, 200, 250, 315, 400, 500, 560};
const double kDzkFaceSizes[] = {160, 200, 250, 300, 315, 400, 500, 560, 600, 700, 800};
const char* const kDzkFaceTexts[] = {"160 (80)",  "200 (100)", "250 (125)", "300 (200)",
                                     "315 (200)", "400 (250)", "500 (250)", "560 (315)",
                                     "600 (400)", "700 (500)", "800 (560)"};
const double kRntSpigots[] = {80, 100, 125, 160, 200, 250, 315};
const double kLsDiameters[] = {80, 100, 125, 150, 160, 200};
const double kSbSpigots[] = {125, 160, 200, 250};
const double kSbLengths[] = {300, 600, 900, 1200, 1500, 1800};
const double kSbWidths[] = {1, 2, 3, 4, 5, 6};
const double kBpsSpigots[] = {80, 100, 125, 150, 160, 200, 250};
const double kBpsLengths[] = {257, 505, 555, 753, 1000, 1155, 1250, 1500, 1750, 2000};
const double kBpsWidths[] = {1, 2, 3, 4, 5};
const double kBpnFaces[] = {398, 498, 595, 798};
const double kBpkDiameters[] = {300, 400, 500, 600, 800};
const double kDkBpkSpigots[] = {200, 250, 400, 560};
const char* const kDkBpkTexts[] = {"300 (200)", "400 (250)", "500 (250)", "600 (400)",
                                   "800 (560)"};
const double kVbfDiameters[] = {200, 250, 315, 400, 450, 500, 630};
const double kTtaSizes[] = {180, 280, 430, 550, 585};
const char* const kTtaTexts[] = {"203", "305", "457", "575", "610"};
const double kTthDiameters[] = {180, 200, 250, 315, 350};
const double kTthBoxes[] = {0, 100, 200, 300, 400};
const double kTtbSizes[] = {203, 305, 457, 575, 610};
const char* const kTtcVariants[] = {"TTC", "TTD"};
const char* const kTtcHTexts[] = {"203 (160)", "305 (160, 200)", "457 (200)", "575 (250)",
                                  "610 (350)"};
const char* const kTtcLTexts[] = {"203 (160)", "305 (160)", "457 (200)", "575 (250)",
                                  "610 (200, 350)"};
const char* const kTtlTypes[] = {"TTP", "TTS"};
const double kTtlSizes[] = {590};
const char* const kTtlTexts[] = {"628"};
const char* const kKreTypes[] = {"KRE", "RME", "RME-FP"};
const double kKreDiameters[] = {200, 300, 400, 500};
const char* const kKreFirst[] = {"", "FG", "FH"};
const char* const kKreSecond[] = {"", "KPP", "KRT"};
const char* const kKaTypes[] = {"KA-1", "KA-2", "KA-3"};
const char* const kKfTypes[] = {"KFD", "KFR", "KFH", "KFL", "KSF"};
const double kKfDiameters[] = {250, 315, 400, 500, 630, 800};
const double kKfHeights[] = {600, 1200, 1800};
const double kKpDiameters[] = {100};
const char* const kDafTypes[] = {"DAF-S", "DAF-R"};
const double kDafSpigots[] = {125, 160, 200, 250};
const double kDafLengths[] = {300, 553, 900, 1153, 1500, 1800};
const double kDafSizes[] = {1, 2, 3, 4};
const char* const kDafOptions[] = {"", "RG", "VFP"};
const char* const kPtrdTypes[] = {"PTRD", "PTRI"};
const double kPtrdDiameters[] = {100, 125, 160};
const char* const kBldTypes[] = {"BLD", "BLI"};
const char* const kBldAccessory[] = {"", "AZN"};
const char* const kRldTypes[] = {"RLD", "RLI"};

constexpr LParamList kBoxParams = ParamRow(Numbers(98, kBoxDiameters), Texts(105, kGrilles),
                                           Numbers(97, kLengths), Numbers(92, kHeights),
                                           Texts(100, kHV), Texts(101, kFinish),
                                           Texts(102, kBoxAccessory), Texts(103, kGOption),
                                           Plain(0, kParamEntry), Plain(0, kParamDisabled));
constexpr LParamList kVf18Params = ParamRow(Plain(83, kParamDiameter));

// Several types share a slide: CTR with RDN, BPS and DAF with SB, the TT
// boxes with TTB, BLD with CSD and RLD with CNH-F.  The last four types are
// not in the printed catalogue.
const LTypeEntry kTypes[] = {
    {.code = 1, .name = "CSD..", .page = "2.10", .block = "cn",
     .dialog = "prop_rcs_c1",
     .params = ParamRow(Texts(99, kCsdTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                        Texts(100, kHV), Texts(101, kFinish), Texts(102, kAccessory),
                        Texts(103, kGOption), Plain(104, kParamEnabled)),
     .flows = Flows(-1),
     .defaults = {1, 300, 300, 1, 1, 1, 1},
     .make = MakeElementOf<LRCsCn>},
    // "RK.." has a row but no class: captions only.
    {.code = 2, .name = "RK..", .page = "2.11", .block = "rkn",
     .dialog = "prop_rcs_c2",
     .params = ParamRow(Plain(99), Plain(97), Plain(92), Plain(100), Plain(101), Plain(102),
                        Plain(103)),
     .flows = Flows(-1)},
    {.code = 3, .name = "RDN..", .page = "2.13", .block = "rd",
     .dialog = "prop_rcs_c2",
     .params = ParamRow(Texts(99, kRdnTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                        Texts(100, kHV), Texts(101, kFinish), Texts(102, kAccessory),
                        Texts(103, kGOption)),
     .flows = Flows(-1),
     .defaults = {1, 300, 300, 1, 1, 1, 1},
     .make = MakeElementOf<LRCsRh>},
    // TSD's heights depend on the duct that carries it (LRCsTn::ParamChoices).
    {.code = 4, .name = "TSD", .page = "2.14", .block = "tn",
     .dialog = "prop_rcs_s1",
     .params = ParamRow(Numbers(97, kLengths), Plain(92, kParamList), Texts(102, kTsdOptions),
                        Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {300, 20, 1},
     .make = MakeElementOf<LRCsTn>},
    {.code = 5, .name = "CTR", .page = "2.18", .block = "rd",
     .dialog = "prop_rcs_s2",
     .params = ParamRow(Numbers(97, kLengths), Numbers(92, kHeights), Texts(100, kCtrHV),
                        Texts(102, kCtrOptions), Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {300, 300, 1, 1},
     .make = MakeElementOf<LRCsCtr>},
    {.code = 6, .name = "RLS..", .page = "2.23", .block = "rks",
     .dialog = "prop_rcs_s3",
     .params = ParamRow(Texts(99, kRlsTypes), Numbers(97, kLengths), Numbers(92, kHeights),
                        Texts(101, kRlsFinish), Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {1, 300, 300, 1},
     .make = MakeElementOf<LRCsRhs>},
    {.code = 7, .name = "ANS..", .page = "2.16", .block = "ans",
     .dialog = "prop_rcs_c6",
     .params = ParamRow(Texts(99, kAnsTypes), Texts(115, kAnsModules), Numbers(114, kAnsEnds),
                        Numbers(92, kHeights), Texts(100, kHV), Texts(101, kFinish),
                        Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {1, 1, 240, 300, 1, 1},
     .make = MakeElementOf<LRCsAns>},
    {.code = 8, .name = "CNH-F", .page = "2.17", .block = "cnh",
     .dialog = "prop_rcs_c5",
     .params = ParamRow(Texts(99, kCnhTypes), Numbers(97, kCnhLengths), Numbers(92, kCnhHeights),
                        Texts(101, kFinish), Texts(102, kAccessory)),
     .flows = Flows(-1),
     .defaults = {1, 300, 300, 1, 1},
     .make = MakeElementOf<LRCsCnhF>},
    {.code = 9, .name = "KRS..", .page = "2.30", .block = "krs",
     .dialog = "prop_rcs_c4",
     .params = ParamRow(Texts(99, kKrsTypes), Numbers(113, kKrsDiameters), Texts(101, kKrsMounting),
                        Texts(102, kKrsAccessory)),
     .defaults = {1, 400, 1, 1},
     .make = MakeElementOf<LRCsKrs>},
    {.code = 10, .name = "BBL", .page = "2.24", .block = "dll",
     .dialog = "prop_rcs_c7",
     .params = kBoxParams,
     .defaults = {400, 1, 600, 300, 1, 1, 1, 1},
     .make = MakeElementOf<LRCsDlL>},
    {.code = 11, .name = "BBF", .page = "2.24", .block = "dlf",
     .dialog = "prop_rcs_c7",
     .params = kBoxParams,
     .defaults = {400, 1, 600, 300, 1, 1, 1, 1},
     .make = MakeElementOf<LRCsDlF>},
    {.code = 12, .name = "DZK..", .page = "2.31", .block = "dk",
     .dialog = "prop_rcs_c8",
     .params = ParamRow(Texts(106, kDzkBoxes), Texts(105, kDzkFaces), Numbers(83, kDzkSpigots),
                        Labelled(113, kDzkFaceSizes, kDzkFaceTexts)),
     .defaults = {1, 1, 300, 400},
     .make = MakeElementOf<LRCsDk>},
    {.code = 13, .name = "RNT..", .page = "2.32", .block = "d",
     .dialog = "prop_rcs_a6",
     .params = ParamRow(Texts(106, kRntCodes), Texts(105, kRntVariants), Numbers(98, kRntSpigots),
                        Labelled(88, kRntSizes1, kRntTexts1), Labelled(89, kRntSizes1, kRntTexts1)),
     .defaults = {1, 1, 300, 400, 400},
     .make = MakeElementOf<LRCsRmt>},
    {.code = 14, .name = "TP..", .page = "2.35", .block = "tp",
     .dialog = "prop_rcs_c3",
     .params = ParamRow(Texts(99, kTpTypes), Texts(107, kTpVariants), Numbers(83, kFourDiameters)),
     .defaults = {1, 1, 300},
     .make = MakeElementOf<LRCsTp>},
    {.code = 15, .name = "LS", .page = "2.51", .block = "ls",
     .dialog = "prop_rcs_s4",
     .params = ParamRow(Texts(99, kLsTypes), Numbers(113, kLsDiameters)),
     .defaults = {1, 125},
     .make = MakeElementOf<LRCsLS>},
    {.code = 16, .name = "SB", .page = "2.52", .block = "sb",
     .dialog = "prop_rcs_c4",
     .params = ParamRow(Texts(106, kSbTypes), Numbers(98, kSbSpigots), Numbers(90, kSbLengths),
                        Numbers(109, kSbWidths)),
     .defaults = {1, 250, 900, 1},
     .make = MakeElementOf<LRCsSB>},
    {.code = 17, .name = "BPS", .page = "2.55", .block = "sb",
     .dialog = "prop_rcs_s6",
     .params = ParamRow(Numbers(98, kBpsSpigots), Numbers(90, kBpsLengths),
                        Numbers(109, kBpsWidths), Plain(110, kParamEntry), Plain(0, kParamEntry),
                        Plain(0, kParamEntry)),
     .defaults = {250, 1000, 1},
     .make = MakeElementOf<LRCsBPS>,
     .flags = kTypeLayeredJoint | kTypeSeparateInlets},
    {.code = 18, .name = "BPN", .page = "2.56", .block = "bpn",
     .dialog = "prop_rcs_a4",
     .params = ParamRow(Texts(106, kBpnTypes), Numbers(83, kFourDiameters), Numbers(88, kBpnFaces),
                        Texts(96, kBpnVariants)),
     .defaults = {1, 250, 595, 1},
     .make = MakeElementOf<LRCsBPN>,
     .flags = kTypeLayeredJoint},
    {.code = 19, .name = "BPK", .page = "2.56", .block = "bpkr",
     .dialog = "prop_rcs_q3",
     .params = ParamRow(Numbers(113, kBpkDiameters), Texts(96, kTypeT), Texts(102, kBpkOptions)),
     .defaults = {300, 1, 1},
     .make = MakeElementOf<LRCsBPK>},
    {.code = 20, .name = "BPK+DZK", .page = "2.56", .block = "bpk",
     .dialog = "prop_rcs_b4",
     .params = ParamRow(Texts(106, kDkBpkBoxes), Numbers(83, kDkBpkSpigots),
                        Labelled(113, kBpkDiameters, kDkBpkTexts), Texts(96, kTypeT)),
     .defaults = {1, 250, 400, 1},
     .make = MakeElementOf<LRCsDkBPK>},
    {.code = 21, .name = "VBF", .page = "2.57", .block = "vbf",
     .dialog = "prop_rcs_q4",
     .params = ParamRow(Numbers(98, kVbfDiameters), Choices(0, kParamRadio, 3)),
     .defaults = {315, 1, 1},
     .make = MakeElementOf<LRCsVBF>},
    {.code = 22, .name = "KDK", .page = "2.60", .block = "kdk",
     .dialog = "prop_rcs_a3",
     .params = ParamRow(Plain(91), Plain(92), Texts(101, kKdkVariants)),
     .defaults = {150, 150, 1},
     .make = MakeElementOf<LRCsKDK>},
    {.code = 23, .name = "EV", .page = "2.61", .block = "ev",
     .dialog = "prop_rcs_q2",
     .params = ParamRow(Plain(91), Plain(92)),
     .defaults = {150, 150},
     .make = MakeElementOf<LRCsEV>},
    {.code = 24, .name = "TTA", .page = "2.70", .block = "ttb",
     .dialog = "prop_rcs_n5",
     .params = ParamRow(Texts(105, kTtTypes), Labelled(92, kTtaSizes, kTtaTexts),
                        Labelled(97, kTtaSizes, kTtaTexts), Texts(117, kTtGCodes),
                        Numbers(118, kTtSmallH)),
     .defaults = {1, 180, 180, 1, 150},
     .make = MakeElementOf<LRCsTTA>},
    {.code = 25, .name = "TTH", .page = "2.70", .block = "tth",
     .dialog = "prop_rcs_n4",
     .params = ParamRow(Numbers(98, kTthDiameters), Plain(121), Numbers(119, kTthBoxes),
                        Numbers(120, kTthBoxes)),
     .defaults = {200, 200},
     .make = MakeElementOf<LRCsTTH>},
    {.code = 26, .name = "VF-18", .page = "1.41", .block = "vf18",
     .dialog = "prop_vf_n1",
     .params = kVf18Params,
     .defaults = {100},
     .make = MakeElementOf<LVf18>,
     .flags = kTypeFlowLabel},
    {.code = 27, .name = "VF-19", .page = "1.41", .block = "vf19",
     .dialog = "prop_vf_n1",
     .params = kVf18Params,
     .defaults = {100},
     .make = MakeElementOf<LVf19>,
     .flags = kTypeFlowLabel},
    {.code = 28, .name = "BSN", .page = "2.62", .block = "bsn",
     .dialog = "prop_tv_k3",
     .params = ParamRow(Texts(99, kBsnTypes), Plain(88), Plain(91)),
     .defaults = {1, 200, 200},
     .make = MakeElementOf<LTvBSN>,
     .flags = kTypeFlowLabel},
    // BSK: the standard diameters 80 to 1100.
    {.code = 29, .name = "BSK", .page = "2.62", .block = "bsk",
     .dialog = "prop_tv_k2",
     .params = ParamRow(Texts(99, kBskTypes), FirstNumbers(83, 28, StandardDiameters)),
     .defaults = {1, 200},
     .make = MakeElementOf<LTvBSK>,
     .flags = kTypeFlowLabel},
    {.code = 30, .name = "TTB", .page = "2.70", .block = "ttb",
     .dialog = "prop_rcs_n5",
     .params = ParamRow(Texts(105, kTtTypes), Numbers(92, kTtbSizes), Numbers(97, kTtbSizes),
                        Texts(117, kTtGCodes), Numbers(118, kTtSmallH), Plain(0, kParamDisabled)),
     .defaults = {1, 203, 203, 1, 150, 100},
     .make = MakeElementOf<LRCsTTB>},
    {.code = 31, .name = "TTC/TTD", .page = "2.70", .block = "ttc",
     .dialog = "prop_rcs_n7",
     .params = ParamRow(Texts(116, kTtcVariants), Texts(105, kTtTypes), Numbers(98, kFourDiameters),
                        Labelled(92, kTtbSizes, kTtcHTexts), Labelled(97, kTtbSizes, kTtcLTexts),
                        Texts(117, kTtGCodes), Numbers(118, kTtSmallH)),
     .defaults = {1, 1, 200, 203, 203, 1, 150},
     .make = MakeElementOf<LRCsTTC>},
    {.code = 32, .name = "TTL", .page = "2.70", .block = "ttb",
     .dialog = "prop_rcs_n5",
     .params = ParamRow(Texts(105, kTtlTypes), Labelled(92, kTtlSizes, kTtlTexts),
                        Labelled(97, kTtlSizes, kTtlTexts), Texts(117, kTtGCodes),
                        Numbers(118, kTtSmallH)),
     .defaults = {1, 590, 590, 1, 150},
     .make = MakeElementOf<LRCsTTL>},
    {.code = 33, .name = "KRE..", .page = "2.50", .block = "kre",
     .dialog = "prop_rcs_c4",
     .params = ParamRow(Texts(99, kKreTypes), Numbers(113, kKreDiameters), Texts(101, kKreFirst),
                        Texts(137, kKreSecond)),
     .defaults = {1, 200, 1, 1},
     .make = MakeElementOf<LRCsKre>},
    {.code = 34, .name = "KA", .page = "5.36", .block = "ka",
     .dialog = "prop_rcs_s4",
     .params = ParamRow(Texts(105, kKaTypes), Numbers(83, kFourDiameters)),
     .defaults = {1, 160},
     .make = MakeElementOf<LRCsKa>},
    {.code = 35, .name = "KF", .page = "2.26", .block = "kf",
     .dialog = "prop_rcs_c3",
     .params = ParamRow(Texts(105, kKfTypes), Numbers(83, kKfDiameters), Numbers(92, kKfHeights)),
     .defaults = {1, 250, 600},
     .make = MakeElementOf<LRCsKf>},
    {.code = 36, .name = "KP", .page = "2.34", .block = "kp",
     .dialog = "prop_rcs_t1",
     .params = ParamRow(Numbers(83, kKpDiameters), Plain(90)),
     .defaults = {100, 200},
     .make = MakeElementOf<LRCsKp>},
    {.code = 37, .name = "DAF", .page = "", .block = "sb",
     .dialog = "prop_rcs_nw1",
     .params = ParamRow(Texts(99, kDafTypes), Numbers(98, kDafSpigots), Numbers(90, kDafLengths),
                        Numbers(109, kDafSizes), Texts(102, kDafOptions), Plain(0, kParamEntry)),
     .defaults = {1, 125, 900, 1, 1, 1},
     .make = MakeElementOf<LRCsDAF>,
     .flags = kTypeSeparateInlets},
    {.code = 38, .name = "PTRD/PTRI", .page = "", .block = "ptrd",
     .dialog = "prop_rcs_nw2",
     .params = ParamRow(Texts(99, kPtrdTypes), Numbers(98, kPtrdDiameters), Plain(0, kParamEntry)),
     .defaults = {1, 100},
     .make = MakeElementOf<LRCsPTRD>},
    {.code = 39, .name = "BLD/BLI", .page = "", .block = "cn",
     .dialog = "prop_rcs_nw3",
     .params = ParamRow(Texts(99, kBldTypes), Numbers(90, kBldLengths), Numbers(92, kBldHeights),
                        Texts(102, kBldAccessory), Plain(0, kParamEntry), Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {1, 300, 200, 1},
     .make = MakeElementOf<LRCsBLD>},
    {.code = 40, .name = "RLD/RLI", .page = "", .block = "cnh",
     .dialog = "prop_rcs_nw4",
     .params = ParamRow(Texts(99, kRldTypes), Plain(90), Numbers(92, kBldHeights),
                        Texts(102, kBldAccessory), Plain(0, kParamEntry), Plain(0, kParamEntry)),
     .flows = Flows(-1),
     .defaults = {1, 300, 200, 1},
     .make = MakeElementOf<LRCsRLD>},
};

// The family's own dialogs, in the order of the first type that uses each
// (VF-18, VF-19, BSN and BSK use round-duct and damper dialogs).
const char* const kDialogs[] = {
    "prop_rcs_c1", "prop_rcs_c2", "prop_rcs_s1", "prop_rcs_s2", "prop_rcs_s3", "prop_rcs_c6",
    "prop_rcs_c5", "prop_rcs_c4", "prop_rcs_c7", "prop_rcs_c8", "prop_rcs_a6", "prop_rcs_c3",
    "prop_rcs_s4", "prop_rcs_s6", "prop_rcs_a4", "prop_rcs_q3", "prop_rcs_b4", "prop_rcs_q4",
    "prop_rcs_a3", "prop_rcs_q2", "prop_rcs_n5", "prop_rcs_n4", "prop_rcs_n7", "prop_rcs_t1",
    "prop_rcs_nw1", "prop_rcs_nw2", "prop_rcs_nw3", "prop_rcs_nw4"
};

}  // namespace

void RegisterRcsFamily() {
    RegisterFamily({.code = kRcsFamily,
                    .types = kTypes,
                    .typeCount = static_cast<int>(std::size(kTypes)),
                    .dialogs = kDialogs,
                    .dialogCount = static_cast<int>(std::size(kDialogs)),
                    .typeFlags = kTypeFlowOfFirstConnector});
}
