#include "elements/vl/lvle06.h"

#include <initializer_list>

#include "ads_entity.h"
#include "core/dimensions.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/multiway_sizes.h"
#include "elements/vl/vl_unit_figures.h"

namespace {

constexpr int16_t kTypeId = 31;
constexpr int kValueCount = 6;

}  // namespace

LVle06::LVle06() : LVl(kTypeId, 4, kValueCount) {
    const int16_t sides[4] = {5, 1, 2, 4};
    const int16_t widths[4] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = widths[i];
        connectors[i]->paramB = 1;
    }
    SetAttachMasks(1, 0, 0, 1, 0, 0);
    SetFlipModes(1, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVle06::MarkFixedParams(int16_t* flags) {
    for (int i = 0; flags && i < kValueCount; ++i)
        flags[i] = 1;
    return -1;
}

int16_t LVle06::GetParams(double** values) {
    double* v = new double[kValueCount];
    const double fields[kValueCount] = {a, b, c, d, g, l};
    for (int i = 0; i < kValueCount; ++i)
        v[i] = fields[i];
    *values = v;
    return 0;
}

int16_t LVle06::SetParams(const double* values) {
    const double oldD = d;
    if (values) {
        // 0 (or anything that is not a size) means not given.
        double in[kValueCount];
        for (int i = 0; i < kValueCount; ++i)
            in[i] = IsSize(values[i]) ? values[i] : 0.0;
        a = FirstGiven({in[0], 3 * in[2], 2 * in[3], 3 * in[4]}, a);
        if (in[1] != 0)
            b = in[1];
        c = FirstGiven({in[2], in[1] / 2, in[3], in[4]}, c);
        d = FirstGiven({in[3], in[1] / 2, in[2], in[4]}, d);
        g = FirstGiven({in[4], in[1] / 2, in[2], in[3]}, g);
        if (in[5] != 0)
            l = in[5];
    }
    s = MultiwaySpigot({c, g});
    if (l < 2 * collarLength + c + s)
        l = 2 * collarLength + c + s;
    if (l < 2 * collarLength + g + s)
        l = 2 * collarLength + g + s;
    // A newly given outlet may not exceed the inlet; one kept from before
    // (or read back from the drawing) stays.
    if (a < d && d != oldD && !RestoringParams())
        d = a;
    PlaceConnectors();
    SetAttachOffsets(b / 2, 0, 0, b / 2, 0, 0);
    return 0;
}

void LVle06::PlaceConnectors() {
    const double widths[4] = {a, c, d, g};
    for (int i = 0; i < 4; ++i) {
        connectors[i]->a = widths[i];
        connectors[i]->b = b;
    }
    const double xs = -l / 2 + collarLength + s, reach = a / 2 + collarLength + s;
    SetPoint3d(connectors[0]->position, -l / 2, 0, 0);
    SetPoint3d(connectors[1]->position, xs + c / 2, -reach, 0);
    SetPoint3d(connectors[2]->position, l / 2, 0, 0);
    SetPoint3d(connectors[3]->position, xs + g / 2, reach, 0);
}

// The length, with the extension lines clear of the inlet at one end and
// of the outlet at the other.
int16_t LVle06::UpdateLabel() {
    const double E = endMarkSize;
    double first = b / 2 + E, second = b / 2 + E;
    if (orientation == 0) {
        first = a / 2 + E;
        second = d / 2 + E;
    } else if (orientation == 3) {
        first = d / 2 + E;
        second = a / 2 + E;
    } else if (!ViewOf(orientation).IsSide()) {
        return 0;
    }
    MakeAlignedDimension(*this, insertionPoint, l, first, second, first, second, rotation);
    acdbEntUpd(entity);
    return 0;
}

int16_t LVle06::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVle06::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    const double K = collarLength, xs = -l / 2 + K + s, reach = a / 2 + K + s;
    switch (orientation) {
    case 0:
    case 3: {
        const double u = orientation == 0 ? 1.0 : -1.0;
        FigureLine(*this, FittingPen::kOutline, -u * l / 2, d / 2, u * l / 2, d / 2);
        FigureLine(*this, FittingPen::kOutline, -u * l / 2, -d / 2, u * l / 2, -d / 2);
        FigureLine(*this, FittingPen::kOutline, u * (xs + g), d / 2, u * (xs + g), reach);
        FigureLine(*this, FittingPen::kOutline, u * (xs + c), -d / 2, u * (xs + c), -reach);
        const double upper[] = {-u * l / 2, a / 2, u * xs, a / 2, u * xs, reach};
        FigureChain(*this, FittingPen::kOutline, upper, 3);
        const double lower[] = {-u * l / 2, -a / 2, u * xs, -a / 2, u * xs, -reach};
        FigureChain(*this, FittingPen::kOutline, lower, 3);
        if (RectCentreLinesOn(*this)) {
            const double q = (a + d) / 4;
            FigureLine(*this, FittingPen::kCentre, -u * l / 2, 0, u * l / 2, 0);
            const double toG[] = {-u * l / 2, q, u * (xs + g / 2), q, u * (xs + g / 2), reach};
            FigureChain(*this, FittingPen::kCentre, toG, 3);
            const double toC[] = {-u * l / 2, -q, u * (xs + c / 2), -q, u * (xs + c / 2), -reach};
            FigureChain(*this, FittingPen::kCentre, toC, 3);
        }
        break;
    }
    case 1:
        DrawBranchView(1.0, c, g);
        break;
    case 4:
        DrawBranchView(-1.0, g, c);
        break;
    case 2:
    case 5:
        DrawEndView(orientation == 2);
        break;
    default:
        break;
    }
    return block.Close();
}

void LVle06::DrawBranchView(double u, double near, double far) {
    const double E = endMarkSize, xs = -l / 2 + collarLength + s;
    for (double v : {b / 2, -b / 2}) {
        FigureLine(*this, FittingPen::kOutline, -u * l / 2, v, u * (xs - E), v);
        FigureLine(*this, FittingPen::kOutline, u * (xs + near + E), v, u * l / 2, v);
    }
    const double xf = u * (xs + far), xe = u * (xs + far + E);
    if (far < near) {
        FigureLine(*this, FittingPen::kDashed, xf, b / 2, xf, -b / 2);
        FigureLine(*this, FittingPen::kDashed, xe, b / 2 + E, xe, -b / 2 - E);
    } else if (far > near) {
        FigureLine(*this, FittingPen::kDashed, xf, b / 2, xf, -b / 2);
        FigureLine(*this, FittingPen::kDashed, xe, b / 2, xe, -b / 2);
        for (double v : {1.0, -1.0}) {
            const double corner[] = {u * (xs + near + E), v * (b / 2 + E), xe, v * (b / 2 + E), xe, v * b / 2};
            FigureChain(*this, FittingPen::kPen2, corner, 3);
        }
        if (far < near + E) {
            FigureLine(*this, FittingPen::kDashed, u * (xs + near), b / 2, xf, b / 2);
            FigureLine(*this, FittingPen::kDashed, u * (xs + near), -b / 2, xf, -b / 2);
        }
    }
    if (RectCentreLinesOn(*this)) {
        FigureLine(*this, FittingPen::kCentre, -u * l / 2, 0, u * l / 2, 0);
        FigureLine(*this, FittingPen::kCentre, u * (xs + near / 2), b / 2, u * (xs + near / 2), -b / 2);
    }
}

void LVle06::DrawEndView(bool outlet) {
    const double E = endMarkSize, reach = a / 2 + collarLength + s;
    const double stop = outlet ? d / 2 + E : a / 2 + E;  // where the branch edges meet the end seen
    for (double u : {-1.0, 1.0})
        for (double v : {b / 2, -b / 2})
            FigureLine(*this, FittingPen::kOutline, u * reach, v, u * stop, v);
    if (d < a) {
        if (outlet) {
            for (double x : {-a / 2, a / 2, -a / 2 - E, a / 2 + E})
                FigureLine(*this, FittingPen::kDashed, x, b / 2, x, -b / 2);
            for (double u : {1.0, -1.0})
                for (double v : {1.0, -1.0}) {
                    const double corner[] = {u * (-a / 2 - E), v * b / 2, u * (-a / 2 - E), v * (b / 2 + E),
                                             u * (-d / 2 - E), v * (b / 2 + E)};
                    FigureChain(*this, FittingPen::kPen2, corner, 3);
                }
        } else {
            FigureLine(*this, FittingPen::kDashed, -d / 2, b / 2, -d / 2, -b / 2);
            FigureLine(*this, FittingPen::kDashed, d / 2, b / 2, d / 2, -b / 2);
            FigureLine(*this, FittingPen::kDashed, -d / 2 - E, b / 2 + E, -d / 2 - E, -b / 2 - E);
            FigureLine(*this, FittingPen::kDashed, d / 2 + E, b / 2 + E, d / 2 + E, -b / 2 - E);
        }
    }
    if (RectCentreLinesOn(*this)) {
        FigureLine(*this, FittingPen::kCentre, -reach, 0, reach, 0);
        FigureLine(*this, FittingPen::kCentre, 0, b / 2, 0, -b / 2);
    }
}
