#include "elements/rcs/lrcs_ptrd.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1;

}  // namespace

LRCsPTRD::LRCsPTRD() : LRCsRoundFace(38, kParamCount, kDiameterParam) {
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

// Plan: the face's rim.  Side: the face below the connector.
int16_t LRCsPTRD::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan())
        DrawFaceRim();
    else if (view.IsSide() || view.IsEnd())
        DrawFaceLine();
    return block.Close();
}
