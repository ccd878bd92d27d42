// The symbol of the slot terminals SB and BPS: a long face of L x G with
// its diagonals in a box, round spigots of diameter D on the long sides;
// in plan (face up or down) and from the end.  Nothing along the length.
#pragma once

#include <cstdint>

class LObject;

struct SlotBox {
    double L = 0.0, G = 0.0, D = 0.0;
    double spigotX[2] = {0.0, 0.0};  // along the length
    int spigotCount = 1;             // per spigot side
    bool upperSpigots = false;       // on the upper long side too
    double margin = 15.0;            // of the box around the face
    double faceStep = 20.0;          // end view: the face below the flange, and its overhang
};

void DrawSlotBox(LObject& e, int16_t orientation, const SlotBox& box);
