#include "elements/rcs/lrcs_sb.h"

#include <algorithm>
#include <cmath>

#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/slot_box.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kConnectorCount = 4;
constexpr int16_t kDiameterParam = 1;
constexpr int16_t kBothSides = 4;  // SB-DD
constexpr int16_t kLowerSide = 1, kUpperSide = 4;
constexpr double kSpigotLength = 50;
constexpr double kSpigotHeight = 40;
const double kWidths[] = {74, 112, 150, 188, 226, 264};

}  // namespace

LRCsSB::LRCsSB() : LRCsSlotTerminal(16, kConnectorCount, kParamCount, kDiameterParam) {
    SetParams(DefaultValues());
}

double LRCsSB::FaceWidth(int16_t n) { return kWidths[n < 1 ? 0 : n > 6 ? 5 : n - 1]; }

bool LRCsSB::TwoSpigotsASide() const { return L >= 900 && N >= 5; }

int16_t LRCsSB::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D, L, static_cast<double>(N)};
    return 0;
}

int16_t LRCsSB::SetParams(const double* v) {
    if (!v)
        return 0;
    const Before before = StartChange();
    type = RoundToShort(v[0]);
    SetSize(&D, v[1]);
    SetSize(&L, v[2]);
    int16_t n = RoundToShort(v[3]);
    N = n < 1 ? 1 : n > 6 ? 6 : n;
    bool lChanged = before.first || L != before.L;
    if (RestoringParams()) {
        // Values read back went together when they were stored.
    } else if ((lChanged || N != before.N) && SpigotsFree()) {
        // The spigot that suits the length and width.
        if (N <= 4) {
            D = L < 900 ? 125 : L < 1200 ? 160 : 200;
        } else if (L < 600) {
            if (lChanged) {
                N = 4;
                D = 125;
            } else {
                L = 600;
                D = 200;
            }
        } else {
            D = L < 1500 ? 200 : 250;
        }
    } else {
        // The length and width that suit the spigot.
        if (D < 160) {
            L = std::min(L, 600.0);
            N = std::min<int16_t>(N, 4);
        } else if (D < 200) {
            L = 900;
            N = std::min<int16_t>(N, 4);
        } else if (D < 250) {
            L = N <= 4 ? std::max(L, 1200.0) : std::min(L, 1200.0);
        } else {
            L = std::max(L, 1500.0);
            N = std::max<int16_t>(N, 5);
        }
    }
    // The width and the spigots follow the width number as the rules left it.
    G = FaceWidth(N);
    bool both = type == kBothSides;
    bool two = TwoSpigotsASide();
    for (int i = 0; i < kConnectorCount; ++i) {
        LConnector* c = connectors[i];
        bool upper = both && (i == 1 || i == 3);
        c->side = upper ? kUpperSide : kLowerSide;
        c->a = c->b = D;
        double x = !two ? 0.0 : (i == 0 || i == 3) ? L / 4 : -L / 4;
        SetPoint3d(c->position, x, (upper ? 1 : -1) * (G / 2 + kSpigotLength), kSpigotHeight);
    }
    return 0;
}

std::string LRCsSB::NameText() const { return ListText(kSbTypes, type); }

int16_t LRCsSB::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    SlotBox shape = Shape();
    if (TwoSpigotsASide()) {
        shape.spigotCount = 2;
        shape.spigotX[0] = -L / 4;
        shape.spigotX[1] = L / 4;
    }
    shape.upperSpigots = type == kBothSides;
    DrawSlotBox(*this, orientation, shape);
    return block.Close();
}
