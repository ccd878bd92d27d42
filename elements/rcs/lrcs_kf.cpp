#include "elements/rcs/lrcs_kf.h"

#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"

namespace {

constexpr int16_t kParamCount = 3;
constexpr int16_t kTypeParam = 0, kDiameterParam = 1;
constexpr int16_t kPlainType = 2;  // what the types not made in a size become
constexpr int16_t kShellType = 3;  // the one with an outer shell
constexpr double kShell = 35;
constexpr double kMiddleHeight = 1200;
constexpr double kMiddleDiameter = 400;

// W by type (rows 1 to 5) and d (below 315, 400, 500, 630, 800, and above).
const double kWidthBelow[] = {315, 400, 500, 630, 800};
const double kWidths[5][6] = {
    {400, 500, 630, 800, 1000, 1250}, {400, 500, 630, 800, 1000, 1250},
    {635, 820, 1060, 1345, 1345, 1345}, {630, 800, 1000, 1250, 1250, 1250},
    {580, 740, 920, 1175, 1480, 1480},
};

}  // namespace

LRCsKf::LRCsKf() : LRCs(35, 1, kParamCount) {
    MakeTopSpigot(kDiameterParam);
    connectors[0]->paramB = -1;
    SetParams(DefaultValues());
}

int16_t LRCsKf::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(type), d, H};
    return 0;
}

int16_t LRCsKf::SetParams(const double* v) {
    if (!v)
        return 0;
    type = RoundToShort(v[0]);
    d = SizeOr(v[1], d);
    H = SizeOr(v[2], H);
    K = 0;
    // The large sizes come only in the plain type.
    if ((type >= 5 && d > 630) || ((type == 3 || type == 4) && d > 500))
        type = kPlainType;
    if (d < kMiddleDiameter && H > kMiddleHeight)
        H = kMiddleHeight;
    else if (d > kMiddleDiameter && H < kMiddleHeight)
        H = kMiddleHeight;
    if (type >= 1 && type <= 5) {
        int column = 0;
        while (column < 5 && !(d < kWidthBelow[column]))
            ++column;
        W = kWidths[type - 1][column];
        if (type == kShellType)
            K = kShell;
    }
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, 0, 0, H / 2 + layoutLengths[7]);
    return 0;
}

std::string LRCsKf::NameText() const { return RowText(*this, kTypeParam, type); }

char* LRCsKf::GetDescription() { return DescriptionText(NameText()).Size("d", d).Size("H", H).NewBuffer(); }

int16_t LRCsKf::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RoundSizeText(d).c_str());
}

int LRCsKf::PatternColumns() const { return W < 800 ? 2 : W < 1200 ? 3 : 4; }

double LRCsKf::PatternStep() const { return W / (3 * PatternColumns() + 2); }

// Rows every three vane heights from the middle up and down; a height no
// column has (damaged data) draws no more rows than the cap.
int LRCsKf::PatternRows() const {
    double rows = std::trunc((H - 2 * layoutLengths[2]) / (6 * layoutLengths[3])) + 1;
    if (!(rows >= 0))
        return 0;
    return rows > kMaxPatternRows ? kMaxPatternRows : static_cast<int>(rows);
}

// Plan: the column's round top.  Side (all alike): the column with its
// shell, the spigot on top and the face's staggered rows of vanes.
int16_t LRCsKf::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        const ads_point c = {0, 0, 0};
        MakeCircle(c, W / 2);
    } else if (view.IsSide() || view.IsEnd()) {
        double w = W / 2, y = H / 2, o = w + K, g8 = layoutLengths[7], r = d / 2;
        const FittingPen out = FittingPen::kOutline;
        FigureLine(*this, out, {w, -y}, {w, y});
        FigureLine(*this, out, {-w, -y}, {-w, y});
        FigureLine(*this, out, {-o, -y}, {o, -y});
        FigureLine(*this, out, {-o, y}, {o, y});
        if (K > 0) {
            FigureLine(*this, out, {-o, -y}, {-o, y});
            FigureLine(*this, out, {o, -y}, {o, y});
        }
        FigureLine(*this, out, {-r, y}, {-r, y + g8});
        FigureLine(*this, out, {r, y}, {r, y + g8});
        FigureLine(*this, FittingPen::kPen1, {-r, y + g8}, {r, y + g8});
        int m = PatternColumns(), c = PatternRows();
        double t = PatternStep(), g4 = layoutLengths[3];
        for (int i = 0; i < c; ++i) {
            double row = 3 * i * g4, x0 = -w + 3 * t / 2 + (i % 2 ? 3 * t / 2 : 0);
            int columns = i % 2 ? m - 1 : m;
            for (int j = 0; j < columns; ++j) {
                double x = x0 + 3 * t * j;
                FigureLine(*this, FittingPen::kPen2, {x, row}, {x + 2 * t, row});
                if (i > 0)
                    FigureLine(*this, FittingPen::kPen2, {x, -row}, {x + 2 * t, -row});
            }
        }
    }
    return block.Close();
}
