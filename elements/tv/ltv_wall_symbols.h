// The symbols of the fire dampers set in a wall opening W x H (the CF
// types, PX1G and Autodef): the face seen from the front (solid) or from
// the back (the same lines dashed), and the edge views, the casing of the
// family's side-view depth seen from above (across W) or from the side
// (across H).  Each draws a whole anonymous block for the element's
// orientation and writes the block's name (kBlockNameSize characters).
#pragma once

#include <cstdint>

#include "elements/tv/ltv.h"

enum class WallFace {
    kFramed,       // opening, frame, core, mark, diagonals to the core
    kFramedFoot,   // frame, opening, foot, core, mark
    kCrossed,      // opening with both diagonals, frame, actuator box below
};

enum class WallEdge {
    kActuator,    // the actuator box on the casing
    kOneBlade,    // the blade swung out, dashed
    kTwoBlades,   // two blades swung out, dashed
    kCasingOnly,
};

int16_t DrawWallDamperSymbol(LTv& e, double W, double H, WallFace face, WallEdge edge, char* blockName);
