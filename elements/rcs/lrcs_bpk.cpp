#include "elements/rcs/lrcs_bpk.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr double kNoT3 = 300;  // the size T3 does not come in
constexpr int16_t kT2 = 2, kT3 = 3;

}  // namespace

LRCsBPK::LRCsBPK() : LRCs(19, 1, kParamCount) {
    MakeTopSpigot(0);
    SetParams(DefaultValues());
}

int16_t LRCsBPK::GetParams(double** values) {
    *values = new double[kParamCount]{D, static_cast<double>(type), static_cast<double>(option)};
    return 0;
}

int16_t LRCsBPK::SetParams(const double* v) {
    if (!v)
        return 0;
    if (std::isfinite(v[0]) && v[0] > 0.0)
        D = v[0];
    option = RoundToShort(v[2]);
    int16_t asked = RoundToShort(v[1]);
    if (!(D == kNoT3 && asked == kT3))
        type = asked;
    if (D == kNoT3 && type == kT3)
        type = kT2;
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsBPK::NameText() const {
    std::string name = FormatText("BPK-%s", ListText(kTypeT, type));
    if (option > 1)
        AppendItem(&name, ListText(kBpkOptions, option));
    return name;
}

char* LRCsBPK::GetDescription() { return DescriptionText(NameText()).Size("D", D).NewBuffer(); }

int16_t LRCsBPK::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(D).c_str());
}

// Plan: the face's rim; side and end: the face just below the connection.
int16_t LRCsBPK::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double g2 = layoutLengths[2];
    if (view.IsPlan()) {
        ads_point c = {0, 0, 0};
        Circle(c, D / 2 + g2);
    } else if (view.IsSide() || view.IsEnd()) {
        FigureLine(*this, FittingPen::kPen2, {-D / 2 - g2, -g2}, {D / 2 + g2, -g2});
    }
    return block.Close();
}
