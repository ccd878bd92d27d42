#include "elements/rcs/slot_box.h"

#include <algorithm>

#include "core/lobject.h"
#include "elements/rcs/rcs_pen_lines.h"

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
                FigureLine(e, FittingPen::kPen2, {from, y}, {xs[i] - b.D / 2, y});
            from = std::max(from, xs[i] + b.D / 2);
        }
    }
    if (x > from)
        FigureLine(e, FittingPen::kPen2, {from, y}, {x, y});
}

// A spigot on the side s (-1 lower, +1 upper) whose walls start at |y| = wall.
void PlanSpigot(LObject& e, const SlotBox& b, double xs, double s, double wall) {
    double end = s * (b.G / 2 + kSpigotLength);
    FigureLine(e, FittingPen::kOutline, {xs - b.D / 2, s * wall}, {xs - b.D / 2, end});
    FigureLine(e, FittingPen::kOutline, {xs + b.D / 2, end}, {xs + b.D / 2, s * wall});
    FigureLine(e, FittingPen::kPen1, {xs - b.D / 2, end}, {xs + b.D / 2, end});
}

void EndSpigot(LObject& e, const SlotBox& b, double sigma) {
    double x = sigma * (b.G / 2 + kSpigotLength), wall = sigma * b.G / 2;
    double top = kSpigotHeight + b.D / 2, bottom = kSpigotHeight - b.D / 2;
    FigureLine(e, FittingPen::kOutline, {x, top}, {wall, top});
    FigureLine(e, FittingPen::kPen1, {x, top}, {x, bottom});
    FigureLine(e, FittingPen::kOutline, {x, bottom}, {wall, bottom});
}

}  // namespace

void DrawSlotBox(LObject& e, int16_t o, const SlotBox& b) {
    double hl = b.L / 2, hg = b.G / 2, m = b.margin;
    int n = b.spigotCount < 2 ? 1 : 2;
    if (o == 0 || o == 3) {
        bool faceUp = o == 0;
        if (!faceUp) {
            double x = hl + m, y = hg + m;
            FigureLine(e, FittingPen::kPen2, {-x, -y}, {-x, y});
            FigureLine(e, FittingPen::kPen2, {-x, y}, {x, y});
            FigureLine(e, FittingPen::kPen2, {x, y}, {x, -y});
            FigureLine(e, FittingPen::kPen2, {x, -y}, {-x, -y});
        }
        FigureChain(e, FittingPen::kOutline, {{-hl, hg}, {hl, hg}, {hl, -hg}, {-hl, -hg}, {-hl, hg}});
        FigureLine(e, DetailPen(faceUp), {-hl, hg}, {hl, -hg});
        FigureLine(e, DetailPen(faceUp), {hl, hg}, {-hl, -hg});
        if (faceUp) {
            double x = hl + m, y = hg + m;
            FigureLine(e, FittingPen::kPen2, {-x, -y}, {-x, y});
            FigureLine(e, FittingPen::kPen2, {x, y}, {x, -y});
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
        FigureChain(e, FittingPen::kOutline, {{-hg, base}, {-hg, kBoxTop}, {hg, kBoxTop}, {hg, base}});
        FigureLine(e, FittingPen::kOutline, {-(hg + m), base}, {hg + m, base});
        FigureLine(e, FittingPen::kPen2, {-(hg + m), -kBoxTop}, {hg + b.faceStep, -kBoxTop});
        EndSpigot(e, b, sigma);
        if (b.upperSpigots)
            EndSpigot(e, b, -sigma);
    }
}
