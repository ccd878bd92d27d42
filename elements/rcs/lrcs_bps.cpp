#include "elements/rcs/lrcs_bps.h"

#include <algorithm>
#include <cmath>

#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/slot_box.h"

namespace {

constexpr int16_t kParamCount = 6;
constexpr int16_t kConnectorCount = 2;
constexpr int16_t kDiameterParam = 0;
constexpr double kSpigotLength = 50;
constexpr double kSpigotHeight = 40;
constexpr double kShortest = 505;
const double kWidths[] = {68.5, 107, 145.2, 183.5, 222};

}  // namespace

LRCsBPS::LRCsBPS() : LRCsSlotTerminal(17, kConnectorCount, kParamCount, kDiameterParam) {
    SetParams(DefaultValues());
}

double LRCsBPS::FaceWidth(int16_t n) { return kWidths[n < 1 ? 0 : n > 5 ? 4 : n - 1]; }

int16_t LRCsBPS::GetParams(double** values) {
    *values = new double[kParamCount]{D, L, static_cast<double>(N), static_cast<double>(R),
                                      static_cast<double>(E), static_cast<double>(J)};
    return 0;
}

int16_t LRCsBPS::SetParams(const double* v) {
    if (!v)
        return 0;
    const Before before = StartChange();
    SetSize(&D, v[0]);
    SetSize(&L, v[1]);
    int16_t n = RoundToShort(v[2]);
    N = n < 1 ? 1 : n > 5 ? 5 : n;
    R = RoundToShort(v[3]);
    E = RoundToShort(v[4]);
    J = RoundToShort(v[5]);
    bool free = SpigotsFree();
    // Values read back went together when they were stored: the rules
    // that follow a change leave them.
    const bool follow = !RestoringParams();
    // The short box takes only the small spigot.
    if (follow && L < kShortest && D > 125) {
        if ((before.first || L != before.L) && free)
            D = 125;
        else
            L = kShortest;
    }
    // A width chosen: the spigot that suits it.
    if (follow && (before.first || N != before.N) && free) {
        if (N == 1)
            D = std::min(D, 125.0);
        else if (N == 2)
            D = std::min(std::max(D, 150.0), 160.0);
        else if (N == 3)
            D = 200;
        else
            D = 250;
    }
    // The width that suits the spigot.
    if (D < 150)
        N = 1;
    else if (D < 200)
        N = 2;
    else if (D < 250)
        N = 3;
    else if (N < 4)
        N = 4;
    G = FaceWidth(N);
    for (int i = 0; i < kConnectorCount; ++i) {
        connectors[i]->a = connectors[i]->b = D;
        SetPoint3d(connectors[i]->position, i == 0 ? L / 4 : -L / 4, -(G / 2 + kSpigotLength),
                   kSpigotHeight);
    }
    return 0;
}

std::string LRCsBPS::NameText() const {
    std::string name = "BPS";
    if (E > 0)
        name += "+E";
    if (R > 0)
        name += "+R";
    if (J > 0)
        name += "+J";
    return name;
}

// The SB's symbol with its two spigots, always on the lower side.
int16_t LRCsBPS::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    SlotBox shape = Shape();
    shape.spigotCount = 2;
    shape.spigotX[0] = -L / 4;
    shape.spigotX[1] = L / 4;
    DrawSlotBox(*this, orientation, shape);
    return block.Close();
}
