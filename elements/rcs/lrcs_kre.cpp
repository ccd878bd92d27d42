#include "elements/rcs/lrcs_kre.h"

#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 4;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1, kMountingParam = 2, kAccessoryParam = 3;
constexpr double kDiagonal = 1.414213562373;

}  // namespace

LRCsKre::LRCsKre() : LRCsRoundFace(33, kParamCount, kDiameterParam) {
    SetParams(DefaultValues());
}

int16_t LRCsKre::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), D, static_cast<double>(mounting),
                                      static_cast<double>(accessory)};
    return 0;
}

int16_t LRCsKre::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    D = SizeOr(v[1], D);
    mounting = RoundToShort(v[2]);
    accessory = RoundToShort(v[3]);
    connectors[0]->a = connectors[0]->b = D;
    return 0;
}

std::string LRCsKre::NameText() const {
    std::string name = RowText(*this, kTypeParam, type);
    if (mounting > 1)
        AppendItem(&name, RowText(*this, kMountingParam, mounting));
    if (accessory > 1)
        AppendItem(&name, RowText(*this, kAccessoryParam, accessory));
    return name;
}

// Plan: the square frame of the square types and the eight vanes of the
// face (dashed from above, where the face looks down).  Side: the face.
int16_t LRCsKre::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    double g3 = layoutLengths[2], g4 = layoutLengths[3], e = D / 2 + g3;
    if (view.IsPlan()) {
        if (type > 1)
            FigureChain(*this, FittingPen::kPen2, {{-e, e}, {e, e}, {e, -e}, {-e, -e}, {-e, e}});
        FittingPen vane = view.fromBelow ? FittingPen::kPen2 : FittingPen::kDashed;
        const PenPoint directions[8] = {{1 / kDiagonal, 1 / kDiagonal}, {1, 0}, {1 / kDiagonal, -1 / kDiagonal},
                                          {0, 1}, {-1 / kDiagonal, -1 / kDiagonal}, {-1, 0},
                                          {-1 / kDiagonal, 1 / kDiagonal}, {0, -1}};
        double outer = D / 2 - g4;
        for (const PenPoint& u : directions)
            FigureLine(*this, vane, {u.x * g4, u.y * g4}, {u.x * outer, u.y * outer});
    } else if (view.IsSide() || view.IsEnd()) {
        DrawFaceLine();
    }
    return block.Close();
}
