#include "elements/rcs/dzk_box.h"

#include "core/draw_neutral.h"
#include "core/geometry.h"
#include "core/lobject.h"

namespace {

constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kRoundBoxMargin = 64;
constexpr double kBoxAboveFace = 50;
constexpr double kRoundBoxAboveSpigot = 30;

void Line0(double x1, double y1, double x2, double y2) {
    ads_point a = {x1, y1, 0}, b = {x2, y2, 0};
    MakeLine(a, b);
}

void LineC(LObject& e, double x1, double y1, double x2, double y2) {
    ads_point a = {x1, y1, 0}, b = {x2, y2, 0};
    e.LineC(a, b);
}

// The spigot from the box wall at x = wall out to its open end, between
// the heights top and bottom.
void Spigot(LObject& e, double s, double wall, double top, double bottom) {
    double end = -s * (wall + kSpigotLength);
    Line0(-s * wall, top, end, top);
    LineC(e, end, top, end, bottom);
    Line0(end, bottom, -s * wall, bottom);
}

}  // namespace

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
            Line0(-s * r, 0, -s * r, -r);
            Line0(-s * r, -r, 0, -r);
            Line0(-s * (r + kSpigotLength), -r / 2 + d / 2, -s * r, -r / 2 + d / 2);
            Line0(-s * (r + kSpigotLength), -r / 2 - d / 2, -s * r, -r / 2 - d / 2);
            LineC(e, -s * (r + kSpigotLength), -r / 2 + d / 2, -s * (r + kSpigotLength), -r / 2 - d / 2);
        } else {
            Line0(-q, -q, -q, q);
            Line0(-q, q, q, q);
            Line0(q, q, q, -q);
            Line0(q, -q, -q, -q);
            Spigot(e, s, q, d / 2, -d / 2);
        }
        return 0.0;
    }
    if (o == 1 || o == 4) {
        if (box.roundBox) {
            double h = (d + kRoundBoxAboveSpigot) / 2;
            Line0(r, -h, r, h);
            Line0(r, h, -r, h);
            Line0(-r, h, -r, -h);
            Line0(-r, -h, r, -h);
            Spigot(e, s, r, -d / 2, d / 2);
            return -h;
        }
        double h = (box.D + kBoxAboveFace) / 2;
        Line0(-s * q, -h, -s * q, h);
        Line0(-s * q, h, 0, h);
        Line0(0, h, s * q, -h);
        Line0(s * q, -h, -s * q, -h);
        double t = h - kSpigotDrop;
        Spigot(e, s, q, t - d, t);
        return -h;
    }
    return 0.0;
}
