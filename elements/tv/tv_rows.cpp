// The parameters and default values of each fire-damper type: kinds,
// lists, captions (message numbers) in the order of the type's values.
#include "elements/tv/tv_rows.h"

#include "core/param_rows.h"

namespace {

const char* const kVariants[] = {"HP", "HL", "VG", "VD"};
const char* const kActuators[] = {"GHPV", "GPV-AG", "GPV-TP"};
constexpr int16_t kVariantCaption = 136, kTextCaption = 129;

const ParamSpec kText = Plain(kTextCaption, kParamText);
const ParamSpec kFlag = Plain(0, kParamEntry);
const ParamSpec kRadio = Plain(0, kParamRadio);
const ParamSpec kVariant = Texts(kVariantCaption, kVariants);

// 300 to 900 in steps of 50.
const double kVt32Sizes[] = {300, 350, 400, 450, 500, 550, 600, 650, 700, 750, 800, 850, 900};
const double kVt32kDiameters[] = {315, 350, 400, 450, 500, 560, 630, 710, 800, 900};
// 200 to 1500 in steps of 50; heights are its first 17 (200 to 1000).
const double kLz3Sizes[] = {200,  250,  300,  350,  400,  450,  500,  550,  600,
                            650,  700,  750,  800,  850,  900,  950,  1000, 1050,
                            1100, 1150, 1200, 1250, 1300, 1350, 1400, 1450, 1500};
const double kLz3kDiameters[] = {100, 125, 150, 160, 200, 250, 315, 400,
                                 450, 500, 560, 630, 710, 800, 900, 1000};

const ParamSpec kVt32[] = {Numbers(97, kVt32Sizes), Numbers(92, kVt32Sizes), kText, kRadio,
                           kRadio, kFlag, kFlag, kVariant};
const ParamSpec kVt32k[] = {Numbers(98, kVt32kDiameters), kText, kRadio, kRadio, kFlag, kFlag,
                            kVariant};
const ParamSpec kLz3[] = {Numbers(97, kLz3Sizes), {kParamList, 92, 17, kLz3Sizes, nullptr},
                          kText, kFlag, kRadio, kRadio, kRadio, kFlag, kFlag, kVariant};
const ParamSpec kLz3k[] = {Numbers(98, kLz3kDiameters), kText, kFlag, kRadio, kRadio, kRadio,
                           kFlag, kFlag, kVariant};

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
const ParamSpec kActuator = Texts(105, kActuators);
const ParamSpec kWidth = Plain(122);

const ParamSpec kCf1h1v[] = {Texts(99, kCf1Variants), kActuator, kWidth,
                             Numbers(123, kCf1h1vHeights), kText, kFlag, kRadio};
const ParamSpec kCf1h1vp[] = {kActuator, kWidth, Numbers(123, kCf1h1vpHeights), kText, kFlag,
                              kRadio};
const ParamSpec kCf1h1va[] = {kActuator, kWidth, Numbers(123, kCf1h1vaHeights), kText, kFlag,
                              kRadio};
const ParamSpec kCf1h2v[] = {kActuator, kWidth, Numbers(123, kCf1h2vHeights), kText, kFlag,
                             kRadio};
const ParamSpec kCf1h2vp[] = {kActuator, kWidth, Numbers(123, kCf1h2vpHeights), kText, kFlag,
                              kRadio};
const ParamSpec kCf2h1v[] = {Texts(99, kCf2Variants), kActuator, kWidth,
                             Numbers(123, kCf2h1vHeights), kText, kFlag, kRadio};
const ParamSpec kCf2h2v[] = {kActuator, kWidth, Numbers(123, kCf2h2vHeights), kText, kFlag,
                             kRadio};

const double kPx1gHeights[] = {749,  777,  804,  832,  859,  887,  914,  942,  969,  997,
                               1024, 1052, 1079, 1107, 1134, 1162, 1189, 1217, 1244, 1272};
const ParamSpec kPx1g[] = {kActuator, kWidth, Numbers(123, kPx1gHeights), kText, kFlag, kRadio};

// Autodef starts with the lists of its first type; its class switches them.
const char* const kAutodefTypes[] = {"Autodef", "Autodef2000", "G.O.R."};
const double kAutodefWidths1[] = {332, 410, 500, 682, 740};
const double kAutodefHeights1[] = {586, 713, 588, 586, 713};
const ParamSpec kAutodef[] = {Texts(99, kAutodefTypes), Numbers(122, kAutodefWidths1),
                              Numbers(123, kAutodefHeights1), kText, kRadio, kFlag};

const double kXn2Sizes[] = {200, 250, 300, 350, 400, 500, 600, 630, 700, 800, 900, 1000, 1100, 1200};
const double kXn2kDiameters[] = {80,  100, 125, 150, 160, 200, 250, 300, 315,
                                 350, 400, 500, 560, 600, 700, 800, 900, 1000};
const ParamSpec kXn2a[] = {Numbers(97, kXn2Sizes), Numbers(92, kXn2Sizes), kText, kFlag, kFlag,
                           kVariant};
const ParamSpec kXn2ak[] = {Numbers(98, kXn2kDiameters), kText, kFlag, kFlag, kVariant};
const ParamSpec kXn2j[] = {Numbers(97, kXn2Sizes), Numbers(92, kXn2Sizes), kText, kRadio,
                           kVariant};
const ParamSpec kXn2jk[] = {Numbers(98, kXn2kDiameters), kText, kRadio, kVariant};

struct RowParams {
    const ParamSpec* specs;
    int count;
};

template <size_t N>
constexpr RowParams Row(const ParamSpec (&specs)[N]) {
    return {specs, static_cast<int>(N)};
}

const RowParams kRowParams[kTvTypeCount] = {
    Row(kVt32),    Row(kVt32k),   Row(kLz3),    Row(kLz3k),   Row(kCf1h1v), Row(kCf1h1vp),
    Row(kCf1h1va), Row(kCf1h2v),  Row(kCf1h2vp), Row(kCf2h1v), Row(kCf2h2v), Row(kPx1g),
    Row(kAutodef), Row(kXn2a),    Row(kXn2ak),  Row(kXn2j),   Row(kXn2jk),
};

}  // namespace

const double TvDefaultParams[kTvTypeCount][kTvDefaultWidth] = {
    {200, 200, 0, 1, 1, 0, 0, 1},     // VT-3-2
    {100, 0, 1, 1, 0, 0, 1},          // VT-3-2K
    {200, 200, 0, 0, 1, 1, 1, 0, 0, 1},  // LZ3
    {100, 0, 0, 1, 1, 1, 0, 0, 1},    // LZ3K
    {1, 1, 321, 438, 0, 0, 1},        // CF1H1V
    {1, 380, 493, 0, 0, 1},           // CF1H1VP
    {1, 571, 338, 0, 0, 1},           // CF1H1VA
    {1, 430, 438, 0, 0, 1},           // CF1H2V
    {1, 680, 448, 0, 0, 1},           // CF1H2VP
    {1, 1, 356, 448, 0, 0, 1},        // CF2H1V
    {1, 511, 448, 0, 0, 1},           // CF2H2V
    {1, 531, 749, 0, 0, 1},           // PX1G
    {1, 300, 300, 0, 1, 0},           // Autodef
    {200, 200, 0, 0, 0, 1},           // XN2-A
    {100, 0, 0, 0, 1},                // XN2-AK
    {200, 200, 0, 1, 1},              // XN2-J
    {100, 0, 1, 1},                   // XN2-JK
};

const double* TvDefaultRow(int subtype) {
    if (subtype < 1 || subtype > kTvTypeCount)
        return nullptr;
    return TvDefaultParams[subtype - 1];
}

void FillTvRowParams(LTypeDescriptor* table) {
    for (int i = 0; i < kTvTypeCount; ++i)
        ApplyParamSpecs(&table[i], kRowParams[i].specs, kRowParams[i].count);
}
