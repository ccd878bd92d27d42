// The insert's extrusion direction against the drawing's +z.
#include "core/insert_plane.h"

#include <cmath>

#include "ads_entity.h"

namespace {

// A direction tilted from +z by less than this (in radians, about) puts a
// point of a plan of 100 km less than 0.1 mm off: rounding, not a plane.
constexpr double kTiltTolerance = 1e-9;

} // namespace

bool IsDrawingPlaneNormal(const ads_point normal) {
    double across = std::hypot(normal[0], normal[1]);
    double length = std::hypot(across, normal[2]);
    if (!std::isfinite(length) || normal[2] <= 0.0)
        return false;
    return across <= kTiltTolerance * length;
}

bool InsertInDrawingPlane(const ads_name insert) {
    resbuf* list = acdbEntGet(insert);
    if (!list)
        return true;
    bool inPlane = true;
    for (const resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == kExtrusionCode) {
            inPlane = IsDrawingPlaneNormal(rb->resval.rpoint);
            break;
        }
    acutRelRb(list);
    return inPlane;
}
