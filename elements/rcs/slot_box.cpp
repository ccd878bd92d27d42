#include "elements/rcs/slot_box.h"

#include <algorithm>

#include "core/lobject.h"
#include "elements/rcs/plane_lines.h"

namespace {

constexpr double kSpigotLength = 50;
constexpr double kBoxTop = 175;
constexpr double kSpigotHeight = 40;

// One long side of the box at height y from -x to x, broken where the
// spigots leave it.
void LongSide(LObject& e, const SlotBox& b, double x, double y, bool withSpigots) {
    double from = -x;
    if (withSpigots) {
        double xs[2] = {b.spigotX[0], b.spigotX[1]};
        int n = b.spigotCount < 2 ? 1 : 2;
        std::sort(xs, xs + n);
        for (int i = 0; i < n; ++i) {
            if (xs[i] - b.D / 2 > from)
                Pen2Line(e, {from, y}, {xs[i] - b.D / 2, y});
            from = std::max(from, xs[i] + b.D / 2);
        }
    }
    if (x > from)
        Pen2Line(e, {from, y}, {x, y});
}

// A spigot on the side s (-1 lower, +1 upper) whose walls start at |y| = wall.
void PlanSpigot(LObject& e, const SlotBox& b, double xs, double s, double wall) {
    double end = s * (b.G / 2 + kSpigotLength);
    Line0({xs - b.D / 2, s * wall}, {xs - b.D / 2, end});
    Line0({xs + b.D / 2, end}, {xs + b.D / 2, s * wall});
    Pen1Line(e, {xs - b.D / 2, end}, {xs + b.D / 2, end});
}

void EndSpigot(LObject& e, const SlotBox& b, double sigma) {
    double x = sigma * (b.G / 2 + kSpigotLength), wall = sigma * b.G / 2;
    double top = kSpigotHeight + b.D / 2, bottom = kSpigotHeight - b.D / 2;
    Line0({x, top}, {wall, top});
    Pen1Line(e, {x, top}, {x, bottom});
    Line0({x, bottom}, {wall, bottom});
}

}  // namespace

void DrawSlotBox(LObject& e, int16_t o, const SlotBox& b) {
    double hl = b.L / 2, hg = b.G / 2, m = b.margin;
    int n = b.spigotCount < 2 ? 1 : 2;
    if (o == 0 || o == 3) {
        bool faceUp = o == 0;
        if (!faceUp) {
            double x = hl + m, y = hg + m;
            Pen2Line(e, {-x, -y}, {-x, y});
            Pen2Line(e, {-x, y}, {x, y});
            Pen2Line(e, {x, y}, {x, -y});
            Pen2Line(e, {x, -y}, {-x, -y});
        }
        Path0({{-hl, hg}, {hl, hg}, {hl, -hg}, {-hl, -hg}, {-hl, hg}});
        Line2OrDashed(e, {-hl, hg}, {hl, -hg}, faceUp);
        Line2OrDashed(e, {hl, hg}, {-hl, -hg}, faceUp);
        if (faceUp) {
            double x = hl + m, y = hg + m;
            Pen2Line(e, {-x, -y}, {-x, y});
            Pen2Line(e, {x, y}, {x, -y});
            LongSide(e, b, x, y, b.upperSpigots);
            LongSide(e, b, x, -y, true);
        }
        double wall = faceUp ? hg : hg + m;
        for (int i = 0; i < n; ++i) {
            PlanSpigot(e, b, b.spigotX[i], -1, wall);
            if (b.upperSpigots)
                PlanSpigot(e, b, b.spigotX[i], 1, wall);
        }
    } else if (o == 2 || o == 5) {
        double sigma = o == 2 ? -1.0 : 1.0;
        double base = -kBoxTop + b.faceStep;
        Path0({{-hg, base}, {-hg, kBoxTop}, {hg, kBoxTop}, {hg, base}});
        Line0({-(hg + m), base}, {hg + m, base});
        Pen2Line(e, {-(hg + m), -kBoxTop}, {hg + b.faceStep, -kBoxTop});
        EndSpigot(e, b, sigma);
        if (b.upperSpigots)
            EndSpigot(e, b, -sigma);
    }
}
