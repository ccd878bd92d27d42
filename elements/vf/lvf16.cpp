#include "elements/vf/lvf16.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "core/description_text.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/geometry.h"
#include "core/messages.h"
#include "core/text_buffer.h"

namespace {

constexpr int kValueCount = 2;
constexpr int16_t kSaddleKind = 3;
// The note of a spigot on a rectangular duct, in the messages file.
constexpr int kOnRectangularDuctNote = 141;
constexpr double kRightAngle = 90.0;
constexpr double kOutOfRangeAngle = 45.0;

// The saddle body by diameter: the first row whose bound d stays below.
struct BodyStep {
    double below, length, height16, height17;
};
constexpr BodyStep kBodySteps[] = {
    {100, 160, 80, 47},   {125, 200, 100, 59},  {160, 245, 120, 68},  {180, 300, 140, 74},
    {200, 330, 150, 75},  {250, 360, 160, 77},  {315, 430, 180, 76},  {350, 515, 200, 70},
    {400, 570, 220, 75},  {500, 650, 250, 84},  {HUGE_VAL, 800, 300, 93},
};

const BodyStep& StepOf(double d) {
    for (const BodyStep& s : kBodySteps)
        if (d < s.below)
            return s;
    return kBodySteps[std::size(kBodySteps) - 1];
}

}  // namespace

LVfSaddle::LVfSaddle(uint16_t typeId, bool lower) : LVf(typeId, 1, kValueCount), lowered(lower) {
    connectors[0]->side = 0;
    connectors[0]->paramA = 1;
    kind = kSaddleKind;
    SetFlipModes(0, 1, 0);
}

LVf16::LVf16() : LVfSaddle(12, true) { SetParams(DefaultValues()); }

LVf17::LVf17() : LVfSaddle(13, false) { SetParams(DefaultValues()); }

int16_t LVfSaddle::GetParams(double** values) {
    double* v = new double[kValueCount];
    v[0] = a;
    v[1] = d;
    *values = v;
    return 0;
}

int16_t LVfSaddle::SetParams(const double* v) {
    if (v) {
        // 0 is a value like any other; what is no size is none.
        if (std::isfinite(v[0]))
            a = v[0];
        if (std::isfinite(v[1]) && v[1] >= 0.0)
            d = v[1];
    }
    if (a > kRightAngle || a < 0.0)
        a = kOutOfRangeAngle;
    phi = (kRightAngle - a) * kPi / 180;
    const BodyStep& step = StepOf(d);
    B = step.length;
    if (lowered) {
        H = step.height16 - d * std::sin(phi);
        if (H < 0.0)
            H = 1.0;
    } else {
        H = step.height17;
    }
    const double c = dimensionOffset;
    LConnector* c0 = connectors[0];
    c0->secondAngle = phi;
    c0->a = c0->b = d;
    SetPoint3d(c0->position, B / 2 - (d / 2) * std::cos(phi) + c * std::sin(phi), 0,
               (d / 2) * std::sin(phi) + H + c * std::cos(phi));
    return 0;
}

int16_t LVfSaddle::MarkFixedParams(int16_t*) { return -1; }

int16_t LVfSaddle::FitLength(double*, int16_t*, int16_t, int16_t, double, double) { return -1; }

// The parent duct as the drawing holds it: rectangular when its run ends are.
bool LVfSaddle::OnRectangularDuct() const {
    if (ads_name_nil(parentEntity))
        return false;
    ElementPtr duct(LoadElementFromEntity(parentEntity));
    const LConnector* end = duct ? duct->GetConnector(0) : nullptr;
    return end && end->shape == kShapeRect;
}

char* LVfSaddle::GetDescription() {
    std::string text = DescriptionText(lowered ? "VF-16" : "VF-17").Size("a", a).Size("d", d).Text();
    if (OnRectangularDuct()) {
        text += "  ";
        text += ParamLabel(kOnRectangularDuctNote);
    }
    // A long note gets a larger buffer rather than being cut.
    return NewTextBuffer(text, kDescriptionSize);
}
