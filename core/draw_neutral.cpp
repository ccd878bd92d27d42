#include "core/draw_neutral.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ads_entity.h"
#include "core/layer_names.h"

int16_t MakeFromList(resbuf* list) {
    if (!list)
        return RTERROR;
    int status = acdbEntMake(list);
    acutRelRb(list);
    return static_cast<int16_t>(status);
}

int16_t MakeLine(const ads_point p1, const ads_point p2) {
    return MakeFromList(acutBuildList(RTDXF0, L"LINE", 6, L"BYBLOCK", 8, kLayerZeroWide, 62, 0, 10, p1,
                                      11, p2, 0));
}

int16_t MakeCircle(const ads_point c, double r) {
    return MakeFromList(
        acutBuildList(RTDXF0, L"CIRCLE", 6, L"BYBLOCK", 8, kLayerZeroWide, 62, 0, 10, c, 40, r, 0));
}

ArcSweep SweepOf(double a0, double a1) {
    constexpr double kTurn = 2 * std::numbers::pi;
    const double sweep = a1 - a0;
    if (!std::isfinite(sweep))
        return ArcSweep::kPart;  // the host refuses it as it refuses any non-finite value
    const double turns = std::round(sweep / kTurn);
    if (std::fabs(sweep - turns * kTurn) >= kLeastSweep)
        return ArcSweep::kPart;
    return turns >= 1 ? ArcSweep::kWhole : ArcSweep::kNone;
}

int16_t MakeArc(const ads_point c, double r, double a0, double a1) {
    switch (SweepOf(a0, a1)) {
    case ArcSweep::kNone: return RTNORM;
    case ArcSweep::kWhole: return MakeCircle(c, r);
    case ArcSweep::kPart: break;
    }
    return MakeFromList(acutBuildList(RTDXF0, L"ARC", 6, L"BYBLOCK", 8, kLayerZeroWide, 62, 0, 10, c, 40,
                                      r, 50, a0, 51, a1, 0));
}

int16_t MakeSolid(const ads_point p1, const ads_point p2, const ads_point p3, const ads_point p4) {
    return MakeFromList(acutBuildList(RTDXF0, L"SOLID", 6, L"BYBLOCK", 8, kLayerZeroWide, 62, 0, 10, p1,
                                      11, p2, 12, p3, 13, p4, 0));
}

double EllipseRatio(double ratio) {
    constexpr double kThinnest = 1e-6;
    if (!std::isfinite(ratio))
        return 1.0;
    return std::clamp(std::fabs(ratio), kThinnest, 1.0);
}

int16_t MakeEllipse(const ads_point c, double a, double ratio) {
    ads_point major = {0, a, 0};
    return MakeFromList(acutBuildList(RTDXF0, L"ELLIPSE", 100, L"AcDbEntity", 6, L"BYBLOCK", 8,
                                      kLayerZeroWide, 62, 0, 100, L"AcDbEllipse", 10, c, 11, major, 40,
                                      EllipseRatio(ratio), 0));
}

int16_t MakeEllipseArc(const ads_point c, double a, double t0, double t1, double ratio) {
    ads_point major = {0, a, 0};
    return MakeFromList(acutBuildList(RTDXF0, L"ELLIPSE", 100, L"AcDbEntity", 6, L"BYBLOCK", 8,
                                      kLayerZeroWide, 62, 0, 100, L"AcDbEllipse", 10, c, 11, major, 40,
                                      EllipseRatio(ratio), 41, t0, 42, t1, 0));
}
