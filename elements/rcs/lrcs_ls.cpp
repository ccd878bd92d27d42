#include "elements/rcs/lrcs_ls.h"

#include <algorithm>
#include <cmath>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 2;
constexpr int16_t kDiameterParam = 1;
constexpr double kDown = 4.71238898025;  // three quarters of a turn
constexpr double kUp = 1.57079632675;    // a quarter turn

}  // namespace

LRCsLS::LRCsLS() : LRCsRoundFace(15, kParamCount, kDiameterParam) {
    SetParams(DefaultValues());
}

int16_t LRCsLS::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D};
    return 0;
}

int16_t LRCsLS::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    if (std::isfinite(v[1]) && v[1] > 0.0)
        D = v[1];
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsLS::NameText() const { return ListText(kLsTypes, type); }

// Plan: the face's rim.  Side and end: the face's line and the curve of
// the face, bulging down for LS and LS-K and up for LF and LF-K.
int16_t LRCsLS::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double r3 = layoutLengths[2];
    if (view.IsPlan()) {
        DrawFaceRim();
    } else if (view.IsSide() || view.IsEnd()) {
        DrawFaceLine();
        double half = D / 2 + r3;
        double R = (2 * r3 + D) * (2 * r3 + D) / (8 * r3) + r3 / 2;
        // half never exceeds R; the bound keeps rounding out of asin's domain.
        double angle = std::asin(std::min(1.0, half / R));
        if (type == 1 || type == 3) {
            ads_point c = {0, R - 2 * r3, 0};
            Arc(c, R, kDown - angle, kDown + angle);
        } else {
            ads_point c = {0, -R - 3 * r3 / 2, 0};
            Arc(c, R, kUp - angle, kUp + angle);
        }
    }
    return block.Close();
}
