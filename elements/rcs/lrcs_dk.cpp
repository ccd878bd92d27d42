#include "elements/rcs/lrcs_dk.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/dzk_box.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kSpigotParam = 2;

}  // namespace

LRCsDk::LRCsDk() : LRCsDzkTerminal(12, kSpigotParam) { SetParams(DefaultValues()); }

int16_t LRCsDk::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(box), static_cast<double>(face), d, D};
    return 0;
}

int16_t LRCsDk::SetParams(const double* v) {
    if (!v)
        return 0;
    box = RoundToShort(v[0]);
    face = RoundToShort(v[1]);
    SetSize(&d, v[2]);
    SetSize(&D, v[3]);
    PlaceSpigot(RoundBox());
    return 0;
}

std::string LRCsDk::NameText() const {
    return FormatText("%s+%s", ListText(kDzkBoxes, box), ListText(kDzkFaces, face));
}

char* LRCsDk::GetDescription() {
    return DescriptionText(NameText()).Size("D", D).Size("d", d).NewBuffer();
}

// The face seen in plan: rings for the round patterns, a rim with eight
// vanes for the KRE and RME patterns.
void LRCsDk::DrawFace(bool hidden) {
    ads_point c = {0, 0, 0};
    auto circle = [&](double r) { hidden ? DashedCircle(c, r) : Circle(c, r); };
    if (face >= 1 && face <= 6) {
        for (int i = 1; i <= 4; ++i)
            circle(i * D / 8);
    } else if (face >= 7 && face <= 9) {
        circle(D / 2);
        DrawFaceVanes(*this, D, layoutLengths[3], hidden);
    }
}

// Plan: the box, the spigot and the face (dashed from above).  Side: the
// box and spigot, and the plates under the KMS-FP and KRK faces.  Nothing
// from the end.
int16_t LRCsDk::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double bottom = DrawDzkBox(*this, orientation, Box(RoundBox()));
    if (orientation == 0 || orientation == 3) {
        DrawFace(orientation == 0);
    } else if ((orientation == 1 || orientation == 4) && (face == 3 || face == 4)) {
        double g2 = layoutLengths[2];
        for (int i = 3; i >= 1; --i) {
            double y = bottom - (4 - i) * g2;
            ads_point a = {-i * D / 8 - g2, y, 0}, b = {i * D / 8 + g2, y, 0};
            Line(a, b);
        }
    }
    return block.Close();
}
