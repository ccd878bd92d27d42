// The box and side spigot of the DZK terminals, as the DZK and the BPK+DZK
// draw them under their faces: the square box (or the DT box, a three-
// quarter round with one square corner) in plan, the box with its sloped
// back from the side, and the spigot of diameter d with its open end.
#pragma once

#include <cstdint>

#include "ads_types.h"

class LObject;

struct DzkBox {
    bool roundBox = false;  // the DT box
    double D = 0.0;         // the face diameter
    double d = 0.0;         // the spigot diameter
    double margin = 15.0;   // of the square box around the face
};

// Draws the box and its spigot into the block being built, for
// orientations 0, 1, 3 and 4 (the spigot on the negative x side in 0 and
// 1); nothing in the others.  Returns the level of the box's bottom in the
// side views (0 in plan).
double DrawDzkBox(LObject& e, int16_t orientation, const DzkBox& box);

// The open end of the spigot, where the terminal's connector sits.
void DzkSpigotEnd(const DzkBox& box, ads_point out);

// The eight vanes of a face of diameter D (45, 0, -45, 90, -135, 180, 135
// and -90 degrees) from radius inner to D / 2 - inner; dashed where hidden.
void DrawFaceVanes(LObject& e, double D, double inner, bool hidden);
