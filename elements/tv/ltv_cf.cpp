#include "elements/tv/ltv_cf.h"

#include <iterator>

namespace {

template <size_t N>
constexpr WidthRule AtMost(const WidthStep (&steps)[N], bool above = false) {
    return {true, above, steps, static_cast<int16_t>(N)};
}
template <size_t N>
constexpr WidthRule AtLeast(const WidthStep (&steps)[N], bool above = false) {
    return {false, above, steps, static_cast<int16_t>(N)};
}
constexpr bool kAbove = true;

// Each list: the first row whose height test holds gives the width; the
// last row is the width for every other height.
constexpr WidthStep kMax771[] = {{0, 771}};
constexpr WidthStep kCf1h1vMin[] = {{575, 321}, {630, 346}, {685, 371}, {713, 390},
                                    {768, 421}, {823, 446}, {850, 461}, {878, 471},
                                    {933, 501}, {988, 521}, {1043, 546}, {0, 571}};
constexpr WidthStep kCf1h1vpMin[] = {{685, 380}, {713, 390}, {0, 421}};
constexpr WidthStep kCf1h1vpMax[] = {{575, 496}, {603, 483}, {713, 446}, {0, 429}};
constexpr WidthStep kMin571[] = {{0, 571}};
constexpr WidthStep kCf1h1vaMax[] = {{723, 671}, {695, 696}, {668, 721}, {640, 771}, {613, 796},
                                     {585, 846}, {558, 871}, {530, 921}, {0, 971}};
constexpr WidthStep kMax1111[] = {{0, 1111}};
constexpr WidthStep kCf1h2vMin[] = {{713, 430}, {768, 461}, {823, 486}, {850, 501},
                                    {878, 511}, {933, 541}, {988, 561}, {1043, 586},
                                    {1070, 611}, {0, 636}};
constexpr WidthStep kMin680[] = {{0, 680}};
constexpr WidthStep kCf1h2vpMax[] = {{723, 791}, {0, 800}};
constexpr WidthStep kMax781[] = {{0, 781}};
constexpr WidthStep kCf2h1vMin[] = {{640, 356}, {695, 381}, {723, 400}, {778, 431},
                                    {833, 456}, {860, 471}, {888, 481}, {943, 511},
                                    {998, 531}, {1053, 556}, {0, 581}};
constexpr WidthStep kMax1121[] = {{0, 1121}};
constexpr WidthStep kCf2h2vMin[] = {{805, 511}, {915, 571},  {943, 596},  {998, 621},
                                    {1053, 646}, {1108, 671}, {1163, 696}, {0, 721}};

const char* const kCf1Variants[] = {"CF1H1V", "CF1H1VSY"};
const char* const kCf2Variants[] = {"CF2H1V", "CF2H1VSY"};

constexpr WallFace kA = WallFace::kFramed, kB = WallFace::kFramedFoot;
constexpr WallEdge kBox = WallEdge::kActuator, kBlade = WallEdge::kOneBlade,
                   kBlades = WallEdge::kTwoBlades;

const WallDamperLayout kCf1h1v = {5, "", kCf1Variants, 2, "EK", AtMost(kMax771), AtLeast(kCf1h1vMin), kA, kBox};
const WallDamperLayout kCf1h1vp = {6, "CF1H1VP", nullptr, 0, "EK", AtLeast(kCf1h1vpMin), AtMost(kCf1h1vpMax), kB,
                                   kBlade};
const WallDamperLayout kCf1h1va = {7,      "CF1H1VA", nullptr, 0, "EK", AtLeast(kMin571), AtMost(kCf1h1vaMax, kAbove),
                                   kB,     kBlades};
const WallDamperLayout kCf1h2v = {8, "CF1H2V", nullptr, 0, "EK", AtMost(kMax1111), AtLeast(kCf1h2vMin), kA, kBox};
const WallDamperLayout kCf1h2vp = {9,  "CF1H2VP", nullptr, 0, "EK", AtLeast(kMin680), AtMost(kCf1h2vpMax, kAbove),
                                   kB, kBlade};
const WallDamperLayout kCf2h1v = {10, "", kCf2Variants, 2, "EK", AtMost(kMax781), AtLeast(kCf2h1vMin), kA, kBox};
const WallDamperLayout kCf2h2v = {11, "CF2H2V", nullptr, 0, "EK", AtMost(kMax1121), AtLeast(kCf2h2vMin), kA, kBox};

}  // namespace

LTvCF1H1V::LTvCF1H1V() : LTvWallDamper(kCf1h1v) { SetParams(DefaultValues()); }
LTvCF1H1VP::LTvCF1H1VP() : LTvWallDamper(kCf1h1vp) { SetParams(DefaultValues()); }
LTvCF1H1VA::LTvCF1H1VA() : LTvWallDamper(kCf1h1va) { SetParams(DefaultValues()); }
LTvCF1H2V::LTvCF1H2V() : LTvWallDamper(kCf1h2v) { SetParams(DefaultValues()); }
LTvCF1H2VP::LTvCF1H2VP() : LTvWallDamper(kCf1h2vp) { SetParams(DefaultValues()); }
LTvCF2H1V::LTvCF2H1V() : LTvWallDamper(kCf2h1v) { SetParams(DefaultValues()); }
LTvCF2H2V::LTvCF2H2V() : LTvWallDamper(kCf2h2v) { SetParams(DefaultValues()); }
