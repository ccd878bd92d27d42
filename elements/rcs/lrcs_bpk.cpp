#include "elements/rcs/lrcs_bpk.h"

#include <cmath>

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr double kNoT3 = 300;  // the size T3 does not come in
constexpr int16_t kT2 = 2, kT3 = 3;

}  // namespace

LRCsBPK::LRCsBPK() : LRCsRoundFace(19, kParamCount, 0) {
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

// Plan: the face's rim; side and end: the face just below the connection.
int16_t LRCsBPK::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan())
        DrawFaceRim();
    else if (view.IsSide() || view.IsEnd())
        DrawFaceLine();
    return block.Close();
}
