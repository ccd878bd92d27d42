#include "elements/vl/lvlni.h"

#include <cmath>

#include "core/description_text.h"
#include "core/element_block.h"
#include "core/element_views.h"
#include "core/fitting_figures.h"
#include "core/geometry.h"
#include "elements/straight_run.h"
#include "elements/vl/vl_unit_figures.h"

namespace {

constexpr int16_t kTypeId = 30;
constexpr int kValueCount = 7;

// Whether a change of orientation turns the piece over: from the plan or
// side seen from above (0, 1) to those seen from below (3, 4), and back.
bool TurnsOver(int16_t from, int16_t to) {
    auto upper = [](int16_t o) { return o == 0 || o == 1; };
    auto lower = [](int16_t o) { return o == 3 || o == 4; };
    return (upper(from) && lower(to)) || (lower(from) && upper(to));
}

}  // namespace

LVlNi::LVlNi() : LVl(kTypeId, 3, kValueCount) {
    const int16_t sides[3] = {2, 5, 5};
    const int16_t widths[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->side = sides[i];
        connectors[i]->paramA = widths[i];
        connectors[i]->paramB = 1;
    }
    SetAttachMasks(32, 32, 0, 32, 32, 0);
    SetFlipModes(3, 0, 0);
    SetParams(DefaultValues());
}

int16_t LVlNi::MarkFixedParams(int16_t* flags) {
    if (flags)
        flags[4] = flags[5] = flags[6] = 1;
    return 0;
}

int16_t LVlNi::GetParams(double** values) {
    double* v = new double[kValueCount];
    const double fields[kValueCount] = {a, b, c, d, e, f, l};
    for (int i = 0; i < kValueCount; ++i)
        v[i] = fields[i];
    *values = v;
    return 0;
}

int16_t LVlNi::SetParams(const double* values) {
    // 0 (or anything that is not a size) means not given, except for the
    // offset, which takes any finite number.
    if (values) {
        double in[kValueCount];
        for (int i = 0; i < kValueCount; ++i)
            in[i] = IsSize(values[i]) ? values[i] : 0.0;
        a = in[0] != 0 ? in[0] : in[2] != 0 ? 2 * in[2] : in[3] != 0 ? 2 * in[3] : a;
        if (in[1] != 0)
            b = in[1];
        c = in[2] != 0 ? in[2] : in[0] != 0 ? in[0] / 2 : in[3] != 0 ? in[3] : c;
        d = in[3] != 0 ? in[3] : in[0] != 0 ? in[0] / 2 : in[2] != 0 ? in[2] : d;
        if (std::isfinite(values[4]))
            e = values[4];
        if (in[5] != 0)
            f = in[5];
        if (in[6] != 0)
            l = in[6];
    }
    PlaceConnectors();
    return 0;
}

void LVlNi::PlaceConnectors() {
    const double ev = ViewOffset();
    const double widths[3] = {a, c, d};
    for (int i = 0; i < 3; ++i) {
        connectors[i]->a = widths[i];
        connectors[i]->b = b;
    }
    SetPoint3d(connectors[0]->position, l / 2, 0, 0);
    SetPoint3d(connectors[1]->position, -l / 2, ev + f + c / 2, 0);
    SetPoint3d(connectors[2]->position, -l / 2, ev - f - d / 2, 0);
    SetAttachOffsets(b / 2, (2 * f + 2 * d - 2 * ev + a) / 4, 0, b / 2, (2 * f + 2 * c + 2 * ev + a) / 4, 0);
}

// Only the plans turn over: the piece seen from below is the same piece
// with its offset on the other side.
int16_t LVlNi::Mirror() {
    if (orientation % 3 != 0)
        return 0;
    orientation = static_cast<int16_t>(orientation == 0 ? 3 : 0);
    rotation = rotation > kPi ? rotation - kPi : rotation + kPi;
    e = -e;
    PlaceConnectors();
    return 0;
}

LObject* LVlNi::SetOrientation(int16_t side) {
    int16_t old = orientation;
    LVl::SetOrientation(side);
    if (TurnsOver(old, orientation))
        e = -e;
    PlaceConnectors();
    return this;
}

char* LVlNi::GetDescription() {
    const double shown = (orientation == 0 || orientation == 4) ? e : -e;
    return DescriptionText("VL-NI")
        .Size("a", a)
        .Size("b", b)
        .Size("c", c)
        .Size("d", d)
        .Size("e", shown)
        .Size("f", f)
        .Size("l", l)
        .NewBuffer();
}

int16_t LVlNi::UpdateLabel() { return 0; }

int16_t LVlNi::AdjustInsertionPoint(ads_point, const double*) { return 0; }

int16_t LVlNi::MakeBlock(char* blockName) {
    ElementBlock block(blockName, kBlockNameSize);
    DrawConnectorEnds(endMarkSize, 1);
    const bool centre = RectCentreLinesOn(*this);
    ElementView view = ViewOf(orientation);
    if (view.IsPlan()) {
        const double s = view.SignX(), ev = ViewOffset();
        FigureLine(*this, FittingPen::kOutline, s * l / 2, a / 2, -s * l / 2, ev + f + c);
        FigureLine(*this, FittingPen::kOutline, s * l / 2, -a / 2, -s * l / 2, ev - f - d);
        FigureLine(*this, FittingPen::kDashed, s * l / 2, 0, 0, ev);
        FigureLine(*this, FittingPen::kOutline, 0, ev, -s * l / 2, ev + f);
        FigureLine(*this, FittingPen::kOutline, 0, ev, -s * l / 2, ev - f);
        if (centre) {
            FigureLine(*this, FittingPen::kCentre, s * l / 2, a / 4, -s * l / 2, ev + f + c / 2);
            FigureLine(*this, FittingPen::kCentre, s * l / 2, -a / 4, -s * l / 2, ev - f - d / 2);
        }
    } else if (view.IsSide()) {
        FigureLine(*this, FittingPen::kOutline, -l / 2, b / 2, l / 2, b / 2);
        FigureLine(*this, FittingPen::kOutline, -l / 2, -b / 2, l / 2, -b / 2);
        if (centre)
            FigureLine(*this, FittingPen::kCentre, -l / 2, 0, l / 2, 0);
    }
    return block.Close();
}
