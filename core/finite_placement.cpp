#include "core/finite_placement.h"

#include <cmath>

#include "core/geometry.h"
#include "core/lconnector.h"
#include "core/lobject.h"

namespace {

bool FinitePoint(const ads_point p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

}  // namespace

bool PlacementIsFinite(const LObject& e) {
    ads_point at;
    e.GetInsertionPoint(at);
    AcGeScale3d s;
    e.GetScale(&s);
    if (!FinitePoint(at) || !std::isfinite(e.GetRotation()) || !std::isfinite(s.sx) || !std::isfinite(s.sy) ||
        !std::isfinite(s.sz))
        return false;
    for (int16_t i = 0; i < e.GetConnectorCount(); ++i) {
        const LConnector* c = e.GetConnector(i);
        if (!c)
            continue;
        ads_point world;
        CopyPoint3d(world, at);  // GetWorldPoint leaves it for a connector without owner
        c->GetWorldPoint(world);
        if (!FinitePoint(world))
            return false;
    }
    return true;
}
