#include "elements/rcs/lrcs_ka.h"

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 2;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1;
constexpr double kRim = 50;      // the face's rim inside S
constexpr double kDrop = 70;     // the face below the neck
constexpr int kRings = 4;        // the face's rings at S/10, 2S/10, ...

double FaceOf(double d) {
    if (d < 200)
        return 300;
    if (d < 250)
        return 375;
    if (d < 315)
        return 450;
    return 525;
}

}  // namespace

LRCsKa::LRCsKa() : LRCs(34, 1, kParamCount) {
    MakeTopSpigot(kDiameterParam);
    SetParams(DefaultValues());
}

int16_t LRCsKa::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), d};
    return 0;
}

// S is derived here, with d, so that every drawing has it.
int16_t LRCsKa::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    d = SizeOr(v[1], d);
    S = FaceOf(d);
    connectors[0]->a = connectors[0]->b = d;
    return 0;
}

std::string LRCsKa::NameText() const { return RowText(*this, kTypeParam, type); }

char* LRCsKa::GetDescription() { return DescriptionText(NameText()).Size("d", d).NewBuffer(); }

int16_t LRCsKa::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(d).c_str());
}

// Plan: the face's outline and its rings (dashed from above, with the
// rim); side: the neck on the connector and the face flaring below it.
int16_t LRCsKa::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    const ads_point c = {0, 0, 0};
    if (view.IsPlan()) {
        if (!view.fromBelow)
            MakeCircle(c, S / 2 - kRim);
        MakeCircle(c, S / 2);
        for (int i = 1; i <= kRings; ++i) {
            if (view.fromBelow)
                Circle(c, i * S / 10);
            else
                DashedCircle(c, i * S / 10);
        }
    } else if (view.IsSide() || view.IsEnd()) {
        double g4 = layoutLengths[3], r = d / 2, f = S / 2;
        FigureLine(*this, FittingPen::kOutline, {-r, -g4}, {-r, 0});
        FigureLine(*this, FittingPen::kPen1, {-r, 0}, {r, 0});
        FigureLine(*this, FittingPen::kOutline, {r, 0}, {r, -g4});
        FigureLine(*this, FittingPen::kOutline, {-f + kRim, -g4}, {f - kRim, -g4});
        FigureChain(*this, FittingPen::kOutline, {{-f + kRim, -g4}, {-f, -g4 - kRim}, {-f, -g4 - kDrop}});
        FigureChain(*this, FittingPen::kOutline, {{f - kRim, -g4}, {f, -g4 - kRim}, {f, -g4 - kDrop}});
        FigureLine(*this, FittingPen::kOutline, {-f, -g4 - kDrop}, {f, -g4 - kDrop});
    }
    return block.Close();
}
