#include "elements/rcs/dzk_box.h"

#include "core/draw_neutral.h"
#include "core/geometry.h"
#include "core/lobject.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kRoundBoxMargin = 64;
constexpr double kBoxAboveFace = 50;
constexpr double kRoundBoxAboveSpigot = 30;

constexpr double kRoot2 = 1.414213562373;

// The spigot from the box wall at x = wall out to its open end, between
// the heights top and bottom.
void Spigot(LObject& e, double s, double wall, double top, double bottom) {
    double end = -s * (wall + kSpigotLength);
    FigureLine(e, FittingPen::kOutline, -s * wall, top, end, top);
    FigureLine(e, FittingPen::kPen1, end, top, end, bottom);
    FigureLine(e, FittingPen::kOutline, end, bottom, -s * wall, bottom);
}

}  // namespace

void DzkSpigotEnd(const DzkBox& box, ads_point out) {
    if (box.roundBox) {
        double r = (box.D + kRoundBoxMargin) / 2;
        SetPoint3d(out, -r - kSpigotLength, -r / 2, 0);
    } else {
        double q = (box.D + box.margin) / 2;
        SetPoint3d(out, -q - kSpigotLength, 0, (box.D + kBoxAboveFace - box.d) / 2 - kSpigotDrop);
    }
}

double DrawDzkBox(LObject& e, int16_t o, const DzkBox& box) {
    double s = o == 3 || o == 4 ? -1.0 : 1.0;
    double r = (box.D + kRoundBoxMargin) / 2;
    double q = (box.D + box.margin) / 2;
    double d = box.d;
    if (o == 0 || o == 3) {
        if (box.roundBox) {
            double a = o == 0 ? 0.0 : kHalfPi;
            ads_point c = {0, 0, 0};
            MakeArc(c, r, a - kHalfPi, a + kPi);
            FigureLine(e, FittingPen::kOutline, -s * r, 0, -s * r, -r);
            FigureLine(e, FittingPen::kOutline, -s * r, -r, 0, -r);
            FigureLine(e, FittingPen::kOutline, -s * (r + kSpigotLength), -r / 2 + d / 2, -s * r, -r / 2 + d / 2);
            FigureLine(e, FittingPen::kOutline, -s * (r + kSpigotLength), -r / 2 - d / 2, -s * r, -r / 2 - d / 2);
            FigureLine(e, FittingPen::kPen1, -s * (r + kSpigotLength), -r / 2 + d / 2, -s * (r + kSpigotLength),
                       -r / 2 - d / 2);
        } else {
            FigureLine(e, FittingPen::kOutline, -q, -q, -q, q);
            FigureLine(e, FittingPen::kOutline, -q, q, q, q);
            FigureLine(e, FittingPen::kOutline, q, q, q, -q);
            FigureLine(e, FittingPen::kOutline, q, -q, -q, -q);
            Spigot(e, s, q, d / 2, -d / 2);
        }
        return 0.0;
    }
    if (o == 1 || o == 4) {
        if (box.roundBox) {
            double h = (d + kRoundBoxAboveSpigot) / 2;
            FigureLine(e, FittingPen::kOutline, r, -h, r, h);
            FigureLine(e, FittingPen::kOutline, r, h, -r, h);
            FigureLine(e, FittingPen::kOutline, -r, h, -r, -h);
            FigureLine(e, FittingPen::kOutline, -r, -h, r, -h);
            Spigot(e, s, r, -d / 2, d / 2);
            return -h;
        }
        double h = (box.D + kBoxAboveFace) / 2;
        FigureLine(e, FittingPen::kOutline, -s * q, -h, -s * q, h);
        FigureLine(e, FittingPen::kOutline, -s * q, h, 0, h);
        FigureLine(e, FittingPen::kOutline, 0, h, s * q, -h);
        FigureLine(e, FittingPen::kOutline, s * q, -h, -s * q, -h);
        double t = h - kSpigotDrop;
        Spigot(e, s, q, t - d, t);
        return -h;
    }
    return 0.0;
}

void DrawFaceVanes(LObject& e, double D, double inner, bool hidden) {
    const double dirs[8][2] = {{1, 1},   {kRoot2, 0},  {1, -1}, {0, kRoot2},
                               {-1, -1}, {-kRoot2, 0}, {-1, 1}, {0, -kRoot2}};
    double from = inner / kRoot2, to = (D / 2 - inner) / kRoot2;
    for (const auto& u : dirs)
        FigureLine(e, DetailPen(hidden), {u[0] * from, u[1] * from}, {u[0] * to, u[1] * to});
}
