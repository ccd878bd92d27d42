// The fire dampers (family 4): one entry per type, and the family's
// registration.  Each type has one free-text parameter; the wall-mounted
// types (5 to 13) show their own airflow.  Autodef starts with the lists of
// its first type.
#include "elements/tv/tv_family.h"

#include <iterator>

#include "core/type_tables.h"
#include "elements/tv/ltv_adf.h"
#include "elements/tv/ltv_cf.h"
#include "elements/tv/ltv_lz3.h"
#include "elements/tv/ltv_px1g.h"
#include "elements/tv/ltv_vt32.h"
#include "elements/tv/ltv_xn2.h"
#include "elements/tv/tv_texts.h"

namespace {

// Lists and parameters shared by several types.
constexpr int16_t kVariantCaption = 136, kTextCaption = 129;
constexpr LParamEntry kText = Plain(kTextCaption, kParamText);
constexpr LParamEntry kFlag = Plain(0, kParamEntry);
constexpr LParamEntry kRadio = Plain(0, kParamRadio);
constexpr LParamEntry kVariant = Texts(kVariantCaption, kTvVariants);
constexpr LParamEntry kActuator = Texts(105, kTvActuators);
constexpr LParamEntry kWidth = Plain(122);

// 300 to 900 in steps of 50.
const double kVt32Sizes[] = {300, 350, 400, 450, 500, 550, 600, 650, 700, 750, 800, 850, 900};
const double kVt32kDiameters[] = {315, 350, 400, 450, 500, 560, 630, 710, 800, 900};
// 200 to 1500 in steps of 50; heights are its first 17 (200 to 1000).
const double kLz3Sizes[] = {200,  250,  300,  350,  400,  450,  500,  550,  600,
                            650,  700,  750,  800,  850,  900,  950,  1000, 1050,
                            1100, 1150, 1200, 1250, 1300, 1350, 1400, 1450, 1500};
const double kLz3kDiameters[] = {100, 125, 150, 160, 200, 250, 315, 400,
                                 450, 500, 560, 630, 710, 800, 900, 1000};
// The CF dampers: their height lists.
const double kCf1h1vHeights[] = {438, 465, 493, 520, 548, 575, 603, 630, 658, 685, 713, 740,
                                 768, 795, 823, 850, 878, 905, 933, 960, 988, 1015, 1043};
const double kCf1h1vpHeights[] = {493, 520, 548, 575, 603, 630, 658, 685, 713, 740};
const double kCf1h1vaHeights[] = {338, 365, 393, 420, 448, 475, 503, 530,
                                  558, 585, 613, 640, 668, 695, 723, 750};
const double kCf1h2vHeights[] = {438, 465, 493, 520, 548, 575, 603, 630, 658, 685, 713, 740, 768,
                                 795, 823, 850, 878, 905, 933, 960, 988, 1015, 1043, 1070, 1098};
const double kCf1h2vpHeights[] = {448, 475, 503, 530, 558, 585, 613, 640, 668, 695, 723, 750};
const double kCf2h1vHeights[] = {448, 475, 503, 530, 558, 585, 613, 640, 668, 695, 723, 750,
                                 778, 805, 833, 860, 889, 915, 943, 970, 998, 1025, 1053};
const double kCf2h2vHeights[] = {448, 475, 503, 530, 558, 585, 613, 640, 668,
                                 695, 723, 750, 778, 805, 833, 860, 888, 915,
                                 943, 970, 998, 1025, 1053, 1080, 1108, 1135, 1163};
const char* const kCf1Variants[] = {"CF1H1V", "CF1H1VSY"};
const char* const kCf2Variants[] = {"CF2H1V", "CF2H1VSY"};
const double kPx1gHeights[] = {749,  777,  804,  832,  859,  887,  914,  942,  969,  997,
                               1024, 1052, 1079, 1107, 1134, 1162, 1189, 1217, 1244, 1272};
// Autodef starts with the lists of its first type; its class answers the
// others through ParamChoices.
const char* const kAutodefTypes[] = {"Autodef", "Autodef2000", "G.O.R."};
const double kAutodefWidths1[] = {332, 410, 500, 682, 740};
const double kAutodefHeights1[] = {586, 713, 588, 586, 713};
const double kXn2Sizes[] = {200, 250, 300, 350, 400, 500, 600, 630, 700, 800, 900, 1000, 1100, 1200};
const double kXn2kDiameters[] = {80,  100, 125, 150, 160, 200, 250, 300, 315,
                                 350, 400, 500, 560, 600, 700, 800, 900, 1000};

const LTypeEntry kTypes[] = {
    {.code = 1, .name = "VT-3-2", .page = "1.62", .block = "xn",
     .dialog = "prop_tv_e4b",
     .params = ParamRow(Numbers(97, kVt32Sizes), Numbers(92, kVt32Sizes), kText, kRadio, kRadio,
                        kFlag, kFlag, kVariant),
     .defaults = {200, 200, 0, 1, 1, 0, 0, 1},
     .make = MakeElementOf<LTvVt32>,
     .flags = kTypeFlowLabel},
    {.code = 2, .name = "VT-3-2K", .page = "1.62", .block = "xnk",
     .dialog = "prop_tv_e3b",
     .params = ParamRow(Numbers(98, kVt32kDiameters), kText, kRadio, kRadio, kFlag, kFlag,
                        kVariant),
     .defaults = {100, 0, 1, 1, 0, 0, 1},
     .make = MakeElementOf<LTvVt32K>,
     .flags = kTypeFlowLabel},
    {.code = 3, .name = "LZ3", .page = "", .block = "xn",
     .dialog = "prop_tv_e4",
     .params = ParamRow(Numbers(97, kLz3Sizes), FirstNumbers(92, 17, kLz3Sizes), kText, kFlag,
                        kRadio, kRadio, kRadio, kFlag, kFlag, kVariant),
     .defaults = {200, 200, 0, 0, 1, 1, 1, 0, 0, 1},
     .make = MakeElementOf<LTvLz3>,
     .flags = kTypeFlowLabel},
    {.code = 4, .name = "LZ3K", .page = "", .block = "xnk",
     .dialog = "prop_tv_e3",
     .params = ParamRow(Numbers(98, kLz3kDiameters), kText, kFlag, kRadio, kRadio, kRadio, kFlag,
                        kFlag, kVariant),
     .defaults = {100, 0, 0, 1, 1, 1, 0, 0, 1},
     .make = MakeElementOf<LTvLz3K>,
     .flags = kTypeFlowLabel},
    {.code = 5, .name = "CF1H1V", .page = "", .block = "px1v",
     .dialog = "prop_tv_s2",
     .params = ParamRow(Texts(99, kCf1Variants), kActuator, kWidth, Numbers(123, kCf1h1vHeights),
                        kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 1, 321, 438, 0, 0, 1},
     .make = MakeElementOf<LTvCF1H1V>},
    {.code = 6, .name = "CF1H1VP", .page = "", .block = "cx1va",
     .dialog = "prop_tv_s1",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kCf1h1vpHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 380, 493, 0, 0, 1},
     .make = MakeElementOf<LTvCF1H1VP>},
    {.code = 7, .name = "CF1H1VA", .page = "", .block = "cx1va",
     .dialog = "prop_tv_s1",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kCf1h1vaHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 571, 338, 0, 0, 1},
     .make = MakeElementOf<LTvCF1H1VA>},
    {.code = 8, .name = "CF1H2V", .page = "", .block = "px1v",
     .dialog = "prop_tv_s1",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kCf1h2vHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 430, 438, 0, 0, 1},
     .make = MakeElementOf<LTvCF1H2V>},
    {.code = 9, .name = "CF1H2VP", .page = "", .block = "cx1va",
     .dialog = "prop_tv_s1",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kCf1h2vpHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 680, 448, 0, 0, 1},
     .make = MakeElementOf<LTvCF1H2VP>},
    {.code = 10, .name = "CF2H1V", .page = "", .block = "cz1v",
     .dialog = "prop_tv_s2",
     .params = ParamRow(Texts(99, kCf2Variants), kActuator, kWidth, Numbers(123, kCf2h1vHeights),
                        kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 1, 356, 448, 0, 0, 1},
     .make = MakeElementOf<LTvCF2H1V>},
    {.code = 11, .name = "CF2H2V", .page = "", .block = "cz1v",
     .dialog = "prop_tv_s1",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kCf2h2vHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 511, 448, 0, 0, 1},
     .make = MakeElementOf<LTvCF2H2V>},
    {.code = 12, .name = "PX1G", .page = "", .block = "px1g",
     .dialog = "prop_tv_s4",
     .params = ParamRow(kActuator, kWidth, Numbers(123, kPx1gHeights), kText, kFlag, kRadio),
     .flows = Flows(-1),
     .defaults = {1, 531, 749, 0, 0, 1},
     .make = MakeElementOf<LTvPX1G>},
    {.code = 13, .name = "Autodef", .page = "", .block = "autodef",
     .dialog = "prop_tv_s3",
     .params = ParamRow(Texts(99, kAutodefTypes), Numbers(122, kAutodefWidths1),
                        Numbers(123, kAutodefHeights1), kText, kRadio, kFlag),
     .flows = Flows(-1),
     .defaults = {1, 300, 300, 0, 1},
     .make = MakeElementOf<LTvAdf>},
    {.code = 14, .name = "XN2-A", .page = "", .block = "xn",
     .dialog = "prop_tv_e4c",
     .params = ParamRow(Numbers(97, kXn2Sizes), Numbers(92, kXn2Sizes), kText, kFlag, kFlag,
                        kVariant),
     .defaults = {200, 200, 0, 0, 0, 1},
     .make = MakeElementOfSubtype<LTvXn2>,
     .flags = kTypeFlowLabel},
    {.code = 15, .name = "XN2-AK", .page = "", .block = "xnk",
     .dialog = "prop_tv_e3c",
     .params = ParamRow(Numbers(98, kXn2kDiameters), kText, kFlag, kFlag, kVariant),
     .defaults = {100, 0, 0, 0, 1},
     .make = MakeElementOfSubtype<LTvXn2K>,
     .flags = kTypeFlowLabel},
    {.code = 16, .name = "XN2-J", .page = "", .block = "xn",
     .dialog = "prop_tv_e4d",
     .params = ParamRow(Numbers(97, kXn2Sizes), Numbers(92, kXn2Sizes), kText, kRadio, kVariant),
     .defaults = {200, 200, 0, 1, 1},
     .make = MakeElementOfSubtype<LTvXn2>,
     .flags = kTypeFlowLabel},
    {.code = 17, .name = "XN2-JK", .page = "", .block = "xnk",
     .dialog = "prop_tv_e3d",
     .params = ParamRow(Numbers(98, kXn2kDiameters), kText, kRadio, kVariant),
     .defaults = {100, 0, 1, 1},
     .make = MakeElementOfSubtype<LTvXn2K>,
     .flags = kTypeLayeredJoint | kTypeFlowLabel},
};

// "prop_tv_k2" and "prop_tv_k3" serve the air terminals BSK and BSN.
const char* const kDialogs[] = {
    "prop_tv_k2", "prop_tv_k3", "prop_tv_e3", "prop_tv_e4", "prop_tv_s1", "prop_tv_s2",
    "prop_tv_s3", "prop_tv_s4", "prop_tv_e3b", "prop_tv_e4b", "prop_tv_e3c", "prop_tv_e4c",
    "prop_tv_e3d", "prop_tv_e4d"
};

}  // namespace

void RegisterTvFamily() {
    RegisterFamily({.code = kTvFamily,
                    .types = kTypes,
                    .typeCount = static_cast<int>(std::size(kTypes)),
                    .dialogs = kDialogs,
                    .dialogCount = static_cast<int>(std::size(kDialogs))});
}
