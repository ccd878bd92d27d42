#include "elements/rcs/lrcs_krs.h"

#include <cmath>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kDiameterParam = 1;
constexpr double kLargestFp = 500;

bool IsFireProof(int16_t type) { return type == 3 || type == 6; }

}  // namespace

LRCsKrs::LRCsKrs() : LRCsRoundFace(9, kParamCount, kDiameterParam) {
    SetParams(DefaultValues());
}

int16_t LRCsKrs::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D, static_cast<double>(mounting),
                                      static_cast<double>(accessory)};
    return 0;
}

int16_t LRCsKrs::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t newType = RoundToShort(v[0]);
    // A type put back comes with the diameter it had.
    if (RestoringParams() || !(IsFireProof(newType) && D > kLargestFp))
        type = newType;
    bool sizeOk = std::isfinite(v[1]) && v[1] > 0.0;
    if (sizeOk && !(IsFireProof(type) && v[1] > kLargestFp))
        D = v[1];
    mounting = RoundToShort(v[2]);
    accessory = RoundToShort(v[3]);
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsKrs::NameText() const {
    return FormatText("%s-%s+%s", ListText(kKrsTypes, type), ListText(kKrsMounting, mounting),
                      ListText(kKrsAccessory, accessory));
}

// Plan: the rings of the face (dashed from below), in a square frame for
// the square types.  Side: the face's line, with the fire-proof types'
// plates below it.
int16_t LRCsKrs::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double r3 = layoutLengths[2];
    if (view.IsPlan()) {
        if (type > 4) {
            double h = D / 2 + r3;
            ads_point p[4] = {{-h, -h, 0}, {-h, h, 0}, {h, h, 0}, {h, -h, 0}};
            for (int i = 0; i < 4; ++i)
                Line(p[i], p[(i + 1) % 4]);
        }
        ads_point c = {0, 0, 0};
        for (int i = 1; i <= 3; ++i) {
            if (orientation == 0)
                DashedCircle(c, i * D / 8);
            else
                Circle(c, i * D / 8);
        }
    } else if (view.IsSide() || view.IsEnd()) {
        DrawFaceLine();
        if (type == 3 || type == 4) {
            for (int i = 3; i >= 2; --i) {
                ads_point p = {-i * D / 8 - r3, (i - 5) * r3, 0}, q = {i * D / 8 + r3, (i - 5) * r3, 0};
                Line(p, q);
            }
        }
    }
    return block.Close();
}
