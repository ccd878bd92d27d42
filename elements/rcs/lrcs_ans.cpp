#include "elements/rcs/lrcs_ans.h"

#include <iterator>

#include "core/param_bindings.h"
#include "core/text_buffer.h"
#include "elements/rcs/rcs_lists.h"

namespace {

using C = LRCsAns;
const ParamBinding<C> kValues[] = {PositionField<C>(&C::type),      PositionField<C>(&C::module),
                                   SizeField<C>(&C::E),             SizeField<C>(&C::H),
                                   PositionField<C>(&C::direction), PositionField<C>(&C::finish),
                                   PositionField<C>(&C::dFlag)};
constexpr int kValueCount = static_cast<int>(std::size(kValues));
constexpr double kShortModule = 1280;
constexpr double kLongModule = 1580;

}  // namespace

// The grille sits on a duct like the other grilles, but its module and end
// piece are not sizes a duct opening could give: it names no values for
// the carrier's sizes.
LRCsAns::LRCsAns() : LRCsGrille(7, kValueCount) {
    kind = 1;
    SetFlipModes(0, 1, 1);
    SetParams(DefaultValues());
}

double LRCsAns::ModuleLength(int16_t m) {
    if (m < 1 || m > static_cast<int16_t>(std::size(kAnsModules)))
        return 0.0;
    int n = (m + 1) / 2;
    return n * (m % 2 == 1 ? kShortModule : kLongModule);
}

int16_t LRCsAns::GetParams(double** values) { return GetBoundParams(*this, kValues, values); }

int16_t LRCsAns::SetParams(const double* v) {
    if (!v)
        return 0;
    SetBoundParams(*this, kValues, v);
    L = ModuleLength(module) + 2 * E;
    return 0;
}

std::string LRCsAns::NameText() const {
    std::string name = type == 1 && dFlag > 0 ? "ADD" : ListText(kAnsTypes, type);
    name += FormatText("-%s-%s", ListText(kHV, direction), ListText(kFinish, finish));
    if (type > 1 && dFlag > 0 && (direction == 1 || direction == 2))
        AppendItem(&name, direction == 1 ? "KNN" : "TKN");
    return name;
}

std::string LRCsAns::LengthMakeUp() const {
    return FormatText("(%s+%lg*2)", ListText(kAnsModules, module), E);
}

int16_t LRCsAns::UpdateLabel() {
    std::string size = FormatText("%lg %s x %lg", L, LengthMakeUp().c_str(), H);
    return MakeFittingLabel(NameText().c_str(), size.c_str());
}

char* LRCsAns::GetDescription() {
    std::string text = NameText() + FormatText("  L=%lg %s;  H=%lg;", L, LengthMakeUp().c_str(), H);
    return NewTextBuffer(text, kDescriptionSize);
}
