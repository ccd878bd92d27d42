#include "elements/tv/ltv_px1g.h"

namespace {

constexpr WidthStep kMin531[] = {{0, 531}};
constexpr WidthStep kMax816[] = {{0, 816}};

const WallDamperLayout kPx1g = {12, "PX1G", nullptr, 0, "TK",
                                {false, false, kMin531, 1}, {true, false, kMax816, 1},
                                WallFace::kFramed, WallEdge::kActuator};

}  // namespace

LTvPX1G::LTvPX1G() : LTvWallDamper(kPx1g) { SetParams(DefaultValues()); }
