#include "elements/rcs/lrcs_rmt.h"

#include <cmath>

#include "core/description_text.h"
#include "core/draw_neutral.h"
#include "core/element_block.h"
#include "core/geometry.h"
#include "core/rounding.h"
#include "core/text_buffer.h"
#include "core/text_lists.h"
#include "elements/rcs/rcs_lists.h"
#include "elements/rcs/rcs_pen_lines.h"
#include "elements/rcs/rnt_size_lists.h"

namespace {

constexpr int16_t kParamCount = 5;
constexpr int16_t kSpigotParam = 2, kAParam = 3, kBParam = 4;
constexpr double kSpigotLength = 50;
constexpr double kSpigotDrop = 25;
constexpr double kSquare = 543;

// The largest listed value not above v; the first when v is below all.
double Floor(const double* list, int count, double v) {
    double out = list[0];
    for (int i = 0; i < count; ++i)
        if (list[i] <= v)
            out = list[i];
    return out;
}

// The first position whose value is at least v; the last one when v is
// above them all.
int FirstAtLeast(const double* list, int count, double v) {
    for (int i = 0; i < count; ++i)
        if (list[i] >= v)
            return i;
    return count - 1;
}

}  // namespace

LRCsRmt::LRCsRmt() : LRCs(13, 1, kParamCount) {
    MakeRoundSpigot(5, kSpigotParam);
    const RntSizeList& first = RntSizes(1);
    offered = {1, first.bCount, first.bValues, first.bTexts};
    SetFlipModes(0, 1, 0);
    SetParams(DefaultValues());
}

double LRCsRmt::BoxHeight(double d) {
    if (d < 100)
        return 250;
    if (d < 125)
        return 270;
    if (d < 160)
        return 310;
    if (d < 200)
        return 350;
    if (d < 315)
        return 420;
    return 485;
}

int16_t LRCsRmt::GetParams(double** values) {
    *values = new double[kParamCount]{static_cast<double>(code),
                                      static_cast<double>(variant == -1 ? 1 : variant), d, A, B};
    return 0;
}

int16_t LRCsRmt::SetParams(const double* v) {
    if (!v)
        return 0;
    double oldA = A;
    int before = offered.list;
    Sizes was = offered;
    code = RoundToShort(v[0]);
    variant = RoundToShort(v[1]);
    SetSize(&d, v[2]);
    SetSize(&A, v[3]);
    SetSize(&B, v[4]);
    int k = RntListOfVariant(variant);
    // Sizes read back from the drawing were the list's when stored: the
    // lists they were chosen from are offered again, the sizes stay.
    bool restoring = RestoringParams();
    if (k != before)
        SwitchList(k, !restoring);
    if (k == 1 || k == 2 || k == 3 || k == 6) {
        if (!restoring)
            CoupleSizes(k, oldA);
    } else if (A != oldA || k != before) {
        NarrowB(k, !restoring);
    }
    E = BoxHeight(d);
    PlaceConnector();
    return offered == was ? 0 : -1;
}

void LRCsRmt::SwitchList(int k, bool snap) {
    const RntSizeList& list = RntSizes(k);
    offered = {k, list.bCount, list.bValues, list.bTexts};
    if (!snap)
        return;
    A = Floor(list.aValues, list.aCount, A);
    B = Floor(list.bValues, list.bCount, B);
}

void LRCsRmt::CoupleSizes(int k, double oldA) {
    const RntSizeList& list = RntSizes(k);
    if (k != 2) {
        // Square faces: the size changed is the size of both.
        if (A == oldA)
            A = B;
        else
            B = A;
        return;
    }
    // A and B at the same position of their lists.
    int p = FirstAtLeast(list.aValues, list.aCount, oldA);
    int q = FirstAtLeast(list.aValues, list.aCount, A);
    int r = FirstAtLeast(list.bValues, list.bCount, B);
    if (p == q)
        A = list.aValues[r < list.aCount ? r : list.aCount - 1];
    else
        B = list.bValues[q < list.bCount ? q : list.bCount - 1];
}

void LRCsRmt::NarrowB(int k, bool fit) {
    const RntSizeList& list = RntSizes(k);
    int last = k == 8 ? 3 : list.aCount - 1;
    int i = FirstAtLeast(list.aValues, last + 1, A);
    if (k != 8 && list.aValues[i] == kSquare) {
        // The 543 face is square.
        offered.bCount = 1;
        offered.bValues = kRnt543Size;
        offered.bTexts = kRnt543Text;
        if (fit)
            B = kSquare;
        return;
    }
    // Skip the 543 entry, then the sizes that share their B sizes.
    int square = k == 5 ? 3 : 4;
    if (k != 8 && i > square)
        --i;
    if ((k == 5 && i > 2) || (k == 7 && i > 3))
        --i;
    if (i > list.bCount - 1)
        i = list.bCount - 1;
    offered.bCount = static_cast<int16_t>(i + 1);
    offered.bValues = list.bValues;
    offered.bTexts = RntNarrowedBTexts(k, i, A);
    // B stays one of the sizes offered: a B above them takes the largest,
    // one between them (the 543 of a square face left) the next below.
    if (fit)
        B = Floor(list.bValues, i + 1, B);
}

void LRCsRmt::PlaceConnector() {
    double m = layoutLengths[11];
    connectors[0]->a = connectors[0]->b = d;
    SetPoint3d(connectors[0]->position, -(B + m) / 2 - kSpigotLength, 0, (E - d) / 2 - kSpigotDrop);
}

int16_t LRCsRmt::ParamChoiceCount(int16_t i) const {
    if (i == kAParam)
        return RntSizes(offered.list).aCount;
    if (i == kBParam)
        return offered.bCount;
    return LRCs::ParamChoiceCount(i);
}

const double* LRCsRmt::ParamChoices(int16_t i) const {
    if (i == kAParam)
        return RntSizes(offered.list).aValues;
    if (i == kBParam)
        return offered.bValues;
    return LRCs::ParamChoices(i);
}

const char* const* LRCsRmt::ParamChoiceTexts(int16_t i) const {
    if (i == kAParam)
        return RntSizes(offered.list).aTexts;
    if (i == kBParam)
        return offered.bTexts;
    return LRCs::ParamChoiceTexts(i);
}

double LRCsRmt::GetQuantity() { return A * B; }

std::string LRCsRmt::NameText() const {
    return FormatText("%s+%s", ListText(kRntCodes, code), ListText(kRntVariants, variant));
}

char* LRCsRmt::GetDescription() {
    return DescriptionText(NameText()).Size("A", A).Size("B", B).NewBuffer();
}

int16_t LRCsRmt::UpdateLabel() {
    SetFlow(connectors[0]->flow);
    return MakeFittingLabel(NameText().c_str(), RectSizeText(A, B).c_str());
}

// Plan: the face with its rings (dashed from above) and the spigot on the
// side of the box.  Side: the box with its sloped back and the spigot at
// its top.  Nothing from the end.
int16_t LRCsRmt::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    double m = layoutLengths[11];
    double p = (B + m) / 2, q = (A + m) / 2;
    double s = orientation == 3 || orientation == 4 ? -1.0 : 1.0;
    auto line0 = [this](double x1, double y1, double x2, double y2) {
        FigureLine(*this, FittingPen::kOutline, x1, y1, x2, y2);
    };
    auto spigot = [&](double top, double bottom) {
        double end = -s * (p + kSpigotLength);
        line0(-s * p, top, end, top);
        FigureLine(*this, FittingPen::kPen1, end, top, end, bottom);
        line0(end, bottom, -s * p, bottom);
    };
    if (orientation == 0 || orientation == 3) {
        line0(-p, q, p, q);
        line0(p, q, p, -q);
        line0(p, -q, -p, -q);
        line0(-p, -q, -p, q);
        for (int j = 1; j <= 2; ++j) {
            double x = j * p / 3, y = j * q / 3;
            ads_point c[4] = {{-x, y, 0}, {x, y, 0}, {x, -y, 0}, {-x, -y, 0}};
            for (int n = 0; n < 4; ++n) {
                if (orientation == 0)
                    DashedLine(c[n], c[(n + 1) % 4]);
                else
                    Line(c[n], c[(n + 1) % 4]);
            }
        }
        spigot(d / 2, -d / 2);
    } else if (orientation == 1 || orientation == 4) {
        double h = E / 2;
        line0(-s * p, -h, -s * p, h);
        line0(-s * p, h, 0, h);
        line0(0, h, s * p, -h);
        line0(s * p, -h, -s * p, -h);
        spigot(h - kSpigotDrop, h - kSpigotDrop - d);
    }
    return block.Close();
}
