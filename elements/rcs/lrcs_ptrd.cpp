#include "elements/rcs/lrcs_ptrd.h"

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1;

}  // namespace

LRCsPTRD::LRCsPTRD() : LRCs(38, 1, kParamCount) {
    MakeTopSpigot(kDiameterParam);
    SetParams(DefaultValues());
}

int16_t LRCsPTRD::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D, static_cast<double>(clFlag)};
    return 0;
}

int16_t LRCsPTRD::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    D = SizeOr(v[1], D);
    clFlag = RoundToShort(v[2]);
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsPTRD::NameText() const {
    std::string name = RowText(*this, kTypeParam, type);
    if (clFlag > 0)
        name += "+CL";
    return name;
}

char* LRCsPTRD::GetDescription() { return DescriptionText(NameText()).Size("D", D).NewBuffer(); }

int16_t LRCsPTRD::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(D).c_str());
}

// Plan: the face's rim.  Side: the face below the connector.
int16_t LRCsPTRD::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double g2 = layoutLengths[2], e = D / 2 + g2;
    if (view.IsPlan()) {
        const ads_point c = {0, 0, 0};
        Circle(c, e);
    } else if (view.IsSide() || view.IsEnd()) {
        FigureLine(*this, FittingPen::kPen2, {-e, -g2}, {e, -g2});
    }
    return block.Close();
}
