#include "elements/rcs/lrcs_dk.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/dzk_box.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kSpigotParam = 2;
constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kRoundBoxMargin = 64;
constexpr double kBoxAboveFace = 50;

}  // namespace

LRCsDk::LRCsDk() : LRCs(12, 1, kParamCount) {
    MakeRoundSpigot(5, kSpigotParam);
    SetFlipModes(0, 1, 0);
    SetParams(DefaultValues());
}

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
    connectors[0]->a = connectors[0]->b = d;
    if (RoundBox()) {
        double r = (D + kRoundBoxMargin) / 2;
        SetPoint3d(connectors[0]->position, -r - kSpigotLength, -r / 2, 0);
    } else {
        double q = (D + layoutLengths[5]) / 2;
        SetPoint3d(connectors[0]->position, -q - kSpigotLength, 0,
                   (D + kBoxAboveFace - d) / 2 - kSpigotDrop);
    }
    return 0;
}

double LRCsDk::GetQuantity() { return kPi * D * D / 4; }

std::string LRCsDk::NameText() const {
    return FormatText("%s+%s", ListText(kDzkBoxes, box), ListText(kDzkFaces, face));
}

char* LRCsDk::GetDescription() {
    return DescriptionText(NameText()).Size("D", D).Size("d", d).NewBuffer();
}

int16_t LRCsDk::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(D).c_str());
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
    DzkBox shape{RoundBox(), D, d, layoutLengths[5]};
    double bottom = DrawDzkBox(*this, orientation, shape);
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
