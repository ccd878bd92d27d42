#include "elements/rcs/ltv_bsn_bsk.h"

#include <algorithm>
#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/rcs_lists.h"

namespace {

constexpr double kRoot3 = 1.732050807569;
constexpr double kHalfRoot2 = 0.7071067811865;
constexpr double kBendRadius = 150;

// Lines of a figure whose x runs the way s says.
struct Mirrored {
    double s;
    PenPoint operator()(double x, double y) const { return {s * x, y}; }
};

}  // namespace

LTvBSN::LTvBSN() : LRCs(28, 1, 3) {
    connectors[0]->shape = kShapeRect;
    connectors[0]->side = 5;
    connectors[0]->paramA = 1;
    connectors[0]->paramB = 2;
    SetFlipModes(1, 1, 0);
    SetParams(DefaultValues());
}

int16_t LTvBSN::GetParams(double** values) {
    *values = new double[3]{static_cast<double>(variant), A, B};
    return 0;
}

void LTvBSN::SizeOfVariant(int16_t before) {
    if (variant == before && A == B && A > 1000)
        variant = 4;
    if (variant < 2) {
        A = std::min(A, 1000.0);
        B = std::min(B, 1000.0);
    } else if (variant == 2) {
        A = std::min(A, 630.0);
        B = A;
    } else if (variant == 3) {
        A = A >= 1000 ? 1000 : std::min(A, 800.0);
        B = A;
    } else {
        A = std::min(std::max(A, 500.0), 1250.0);
        B = A;
    }
}

void LTvBSN::VariantOfJoinedSize() {
    if (A != B)
        variant = 1;
    else if (A > 1000)
        variant = 4;
    else if (A > 800 && A < 1000) {
        if (variant == 2 || variant == 3)
            variant = 1;
    } else if (A > 630) {
        if (variant == 2)
            variant = 1;
    } else if (A < 500 && variant == 4) {
        variant = 3;
    }
}

int16_t LTvBSN::SetParams(const double* v) {
    if (!v)
        return 0;
    int16_t before = variant;
    variant = RoundToShort(v[0]);
    SetSize(&A, v[1]);
    SetSize(&B, v[2]);
    if (connectors[0]->IsFree())
        SizeOfVariant(before);
    else
        VariantOfJoinedSize();
    double g4 = layoutLengths[3];
    if (variant <= 1) {
        E1 = 2 * A + 600;
        E2 = A + 300;
        E3 = A / 2 + 100;
    } else if (variant == 2) {
        E1 = 3 * A / 2 + 45;
        E2 = A + 60;
        E3 = 4 * A / 5;
    } else if (variant == 3) {
        E1 = A - 2 * g4;
        E2 = A + 400;
        E3 = A / 2 + 200 - 2 * g4;
    } else {
        E1 = 5 * A / 2;
        E2 = 2 * A + 200;
        E3 = 3 * A / 4;
    }
    connectors[0]->a = A;
    connectors[0]->b = B;
    SetPoint3d(connectors[0]->position, -E2 / 2, 0, 0);
    return 0;
}

char* LTvBSN::GetDescription() {
    DescriptionText text(ListText(kBsnTypes, variant));
    text.Size("A", A);
    if (variant == 1)
        text.Size("B", B);
    return text.NewBuffer();
}

int16_t LTvBSN::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    double g3 = layoutLengths[2], g4 = layoutLengths[3];
    double h = E2 / 2, m = h - E3, k = kHalfRoot2 * 4 * A / 5, a = A / 2, e = E1 / 2;
    bool drawn = orientation >= 0 && orientation <= 5;
    if (variant == 1 && (orientation == 0 || orientation == 3)) {
        Mirrored p{orientation == 0 ? 1.0 : -1.0};
        FigureLine(*this, FittingPen::kOutline, p(-h, a), p(-(m + kBendRadius), a));
        FigureLine(*this, FittingPen::kOutline, p(-(m + kBendRadius), -a), p(-h, -a));
        ads_point c1 = {p.s * -(m + kBendRadius), a + kBendRadius, 0};
        ads_point c2 = {p.s * -(m + kBendRadius), -(a + kBendRadius), 0};
        if (orientation == 0) {
            MakeArc(c1, kBendRadius, -kHalfPi, 0);
            MakeArc(c2, kBendRadius, 0, kHalfPi);
        } else {
            MakeArc(c1, kBendRadius, -kPi, -kHalfPi);
            MakeArc(c2, kBendRadius, kHalfPi, kPi);
        }
        FigureLine(*this, FittingPen::kOutline, p(-m, a + kBendRadius), p(-m, a + k));
        FigureLine(*this, FittingPen::kOutline, p(-m, -a - k), p(-m, -a - kBendRadius));
        FigureLine(*this, FittingPen::kOutline, p(-(m - k), e), p(-m, a + k));
        FigureLine(*this, FittingPen::kOutline, p(-m, -a - k), p(-(m - k), -e));
        double y = e - (E2 - E3 - k) * kRoot3;
        FigureChain(*this, FittingPen::kOutline, {p(-(m - k), e), p(h, y), p(h, -y), p(-(m - k), -e)});
    } else if (variant == 1 && (orientation == 1 || orientation == 4)) {
        Mirrored p{orientation == 1 ? 1.0 : -1.0};
        double b = B / 2;
        FigureChain(*this, FittingPen::kOutline, {p(-h, b), p(h, b), p(h, -b), p(-h, -b)});
        FigureLine(*this, FittingPen::kOutline, p(-m, -b), p(-m, b));
        FigureLine(*this, FittingPen::kOutline, p(-(m - k), -b), p(-(m - k), b));
    } else if (variant >= 2 && variant <= 4 && drawn) {
        Mirrored p{orientation <= 1 ? 1.0 : -1.0};
        if (variant == 2) {
            double t = A / 5 + 60;
            FigureLine(*this, FittingPen::kOutline, p(-h, a), p(-m, a));
            FigureLine(*this, FittingPen::kOutline, p(-m, -a), p(-h, -a));
            FigureLine(*this, FittingPen::kOutline, p(h - t, -e), p(h - t, e));
            FigureChain(*this, FittingPen::kOutline, {p(h - t, -e), p(h - t / 3, -e), p(h - t / 3, e), p(h - t, e)});
            FigureLine(*this, FittingPen::kOutline, p(h - t / 3, -e), p(h, 0));
            FigureLine(*this, FittingPen::kOutline, p(h - t / 3, e), p(h, 0));
        } else if (variant == 3) {
            double pl = E3 + g4 - h, q = h - 3 * g4;
            FigureLine(*this, FittingPen::kOutline, p(-h, a), p(h - 2 * g3, a));
            FigureLine(*this, FittingPen::kOutline, p(h - 2 * g3, -a), p(-h, -a));
            FigureChain(*this, FittingPen::kOutline, {p(h, 0), p(h - 2 * g3, a + g4), p(h - 2 * g3, -a - g4), p(h, 0)});
            FigureChain(*this, FittingPen::kOutline, {p(pl, e), p(q, e), p(pl, -e), p(q, -e), p(pl, e)});
            FigureLine(*this, FittingPen::kOutline, p(q, e), p(q, -e));
            FigureLine(*this, FittingPen::kOutline, p(pl, e), p(pl, -e));
            FigureChain(*this, FittingPen::kOutline, {p(pl, a), p(pl, a + g4 / 2), p(q, a + g4 / 2), p(q, a)});
            FigureChain(*this, FittingPen::kOutline, {p(pl, -a), p(pl, -a - g4 / 2), p(q, -a - g4 / 2), p(q, -a)});
        } else {
            double c = h - (E2 + g3 - E3) / 2;
            FigureChain(*this, FittingPen::kOutline, {p(-h, a), p(-m, a), p(-m, -a), p(-h, -a)});
            FigureChain(*this, FittingPen::kOutline, {p(-m, a), p(c, e), p(c, -e), p(-m, -a)});
            FigureChain(*this, FittingPen::kOutline, {p(c, e), p(h - g3, a), p(h - g3, -a), p(c, -e)});
            FigureChain(*this, FittingPen::kOutline, {p(h - g3, a), p(h, a), p(h, -a), p(h - g3, -a)});
        }
    }
    if (drawn && system.rectCentreLines != 0) {
        ads_point p1 = {-h, 0, 0}, p2 = {h, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}

LTvBSK::LTvBSK() : LRCs(29, 1, 2) {
    MakeRoundSpigot(5, 1);
    SetFlipModes(1, 1, 0);
    SetParams(DefaultValues());
}

int16_t LTvBSK::GetParams(double** values) {
    *values = new double[2]{static_cast<double>(variant), D};
    return 0;
}

// A variant outside the list keeps the lengths it had.
int16_t LTvBSK::SetParams(const double* v) {
    if (!v)
        return 0;
    variant = RoundToShort(v[0]);
    SetSize(&D, v[1]);
    switch (variant) {
    case 1:
        E1 = 2 * D + 200;
        E2 = 3 * D / 2 + 100;
        break;
    case 2:
        E1 = 2 * D - 100;
        E2 = 3 * D / 2 + 100;
        break;
    case 3:
        E1 = 3 * D / 2 + 100;
        E2 = D + 100;
        break;
    case 4:
        E1 = E2 = 3 * D / 2 + 100;
        break;
    default:
        break;
    }
    connectors[0]->a = connectors[0]->b = D;
    SetPoint3d(connectors[0]->position, -E2 / 2, 0, 0);
    return 0;
}

char* LTvBSK::GetDescription() {
    return DescriptionText(ListText(kBskTypes, variant)).Size("D", D).NewBuffer();
}

int16_t LTvBSK::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(layoutLengths[8], 1);
    double g3 = layoutLengths[2];
    double h = E2 / 2, r = D / 2, e = E1 / 2;
    bool drawn = orientation >= 0 && orientation <= 5;
    if (variant == 1 && (orientation == 0 || orientation == 3)) {
        Mirrored p{orientation == 0 ? 1.0 : -1.0};
        double y = e - D / kRoot3;
        FigureLine(*this, FittingPen::kOutline, p(-h, r), p(h - D, r));
        FigureLine(*this, FittingPen::kOutline, p(h - D, -r), p(-h, -r));
        FigureLine(*this, FittingPen::kOutline, p(h - r, 0), p(h - D, r));
        FigureLine(*this, FittingPen::kOutline, p(h - r, 0), p(h - D, -r));
        FigureLine(*this, FittingPen::kOutline, p(h - D, y), p(h - D, r));
        FigureLine(*this, FittingPen::kOutline, p(h - D, -r), p(h - D, -y));
        FigureChain(*this, FittingPen::kOutline, {p(h - D, y), p(h, e), p(h, -e), p(h - D, -y)});
    } else if (variant == 1 && (orientation == 1 || orientation == 4)) {
        Mirrored p{orientation == 1 ? 1.0 : -1.0};
        FigureLine(*this, FittingPen::kOutline, p(-h, r), p(h - r, r));
        FigureLine(*this, FittingPen::kOutline, p(h - r, -r), p(-h, -r));
        ads_point c = {p.s * (h - r), 0, 0};
        MakeCircle(c, r);
    } else if (variant >= 2 && variant <= 4 && drawn) {
        Mirrored p{orientation <= 1 ? 1.0 : -1.0};
        if (variant == 2) {
            FigureLine(*this, FittingPen::kOutline, p(-h, r), p(-g3, r));
            FigureLine(*this, FittingPen::kOutline, p(-g3, -r), p(-h, -r));
            FigureChain(*this, FittingPen::kOutline, {p(h - 2 * g3, e), p(-g3, e), p(-g3, -e), p(h - 2 * g3, -e)});
            FigureChain(*this, FittingPen::kOutline,
                        {p(h - 2 * g3, e + g3), p(h, E1 / 6), p(h, -E1 / 6), p(h - 2 * g3, -e - g3),
                         p(h - 2 * g3, e + g3)});
        } else if (variant == 3) {
            double y1 = (E1 - 3 * (E1 - D) / 4) / 2, y2 = (E1 - (E1 - D) / 2) / 2;
            double x8 = E2 / 8, x4 = E2 / 4;
            FigureLine(*this, FittingPen::kOutline, p(-h, r), p(0, r));
            FigureLine(*this, FittingPen::kOutline, p(0, -r), p(-h, -r));
            FigureLine(*this, FittingPen::kOutline, p(0, y1), p(x8, y1));
            FigureLine(*this, FittingPen::kOutline, p(0, y1), p(0, -y1));
            FigureLine(*this, FittingPen::kOutline, p(x8, -y1), p(0, -y1));
            FigureLine(*this, FittingPen::kOutline, p(x8, y2), p(x4, y2));
            FigureLine(*this, FittingPen::kOutline, p(x8, y2), p(x8, -y2));
            FigureLine(*this, FittingPen::kOutline, p(x4, -y2), p(x8, -y2));
            FigureChain(*this, FittingPen::kOutline, {p(x4, e), p(h, e), p(h, -e), p(x4, -e), p(x4, e)});
        } else {
            double c = E2 / 6 - g3 / 2, x6 = E2 / 6;
            FigureChain(*this, FittingPen::kOutline, {p(-h, r), p(-x6, r), p(-x6, -r), p(-h, -r)});
            FigureChain(*this, FittingPen::kOutline, {p(-x6, r), p(c, e), p(c, -e), p(-x6, -r)});
            FigureLine(*this, FittingPen::kOutline, p(h - g3, r), p(c, e));
            FigureLine(*this, FittingPen::kOutline, p(h - g3, r), p(h - g3, -r));
            FigureLine(*this, FittingPen::kOutline, p(c, -e), p(h - g3, -r));
            FigureChain(*this, FittingPen::kOutline, {p(h - g3, r), p(h, r), p(h, -r), p(h - g3, -r)});
        }
    }
    if (drawn && system.roundCentreLines != 0) {
        ads_point p1 = {-h, 0, 0}, p2 = {h, 0, 0};
        LineB(p1, p2);
    }
    return block.Close();
}
