#include "core/placement_geometry.h"

#include <cmath>

#include "core/lobject.h"

static constexpr double kFacingLow = 3.1384510608465;
static constexpr double kFacingHigh = 3.1447342461535;
static constexpr double kThreeHalfPi = 4.71238898025;

// Direction of the vector (dx, dy) as the facing test measures it.
static double Direction(double dx, double dy) {
    if (dx > 0)
        return std::atan(dy / dx);
    if (dx < 0)
        return std::atan(dy / dx) + kPi;
    return dy > 0 ? kHalfPi : -kHalfPi;
}

int16_t CheckConnectorsFacing(int16_t mode, LObject* a, LObject* b, int16_t i, int16_t j) {
    LConnector* ca = a ? a->GetConnector(i) : nullptr;
    LConnector* cb = b ? b->GetConnector(j) : nullptr;
    if (!ca || !cb || (mode != 0 && mode != 1))
        return -1;
    double delta = std::fabs(std::fmod(a->GetRotation() + ca->GetAngle() - b->GetRotation() - cb->GetAngle(), kTwoPi));
    if (!(kFacingLow < delta && delta < kFacingHigh))
        return -1;
    if (mode == 0)
        return 0;
    ads_point pa = {0, 0, 0}, pb = {0, 0, 0};
    ca->GetWorldPoint(pa);
    cb->GetWorldPoint(pb);
    double beta = Direction(pa[0] - pb[0], pa[1] - pb[1]);
    double lambda = std::fmod(beta - b->GetRotation() - cb->GetAngle(), kTwoPi);
    if (lambda < 0)
        lambda += kTwoPi;
    return (lambda < kHalfPi || lambda > kThreeHalfPi) ? 0 : -1;
}

int16_t FindFacingFreeConnectors(LObject* a, LObject* b, int16_t* i, int16_t* j) {
    if (!a || !b)
        return -1;
    for (int16_t p = 0; p < a->GetConnectorCount(); ++p) {
        for (int16_t q = 0; q < b->GetConnectorCount(); ++q) {
            LConnector* ca = a->GetConnector(p);
            LConnector* cb = b->GetConnector(q);
            if (ca && cb && ca->IsFree() && cb->IsFree() && CheckConnectorsFacing(1, a, b, p, q) == 0) {
                if (i)
                    *i = p;
                if (j)
                    *j = q;
                return 0;
            }
        }
    }
    return -1;
}
