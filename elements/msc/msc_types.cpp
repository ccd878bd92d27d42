// The fans, heaters and filters (family 5, also stored as 6 to 8 by their
// own placing pages): one entry per type, and the family's registration.
// Five parameters for the rectangular types, four for the round (d) ones;
// one airflow entry on connector 0.
#include "elements/msc/msc_family.h"

#include <iterator>

#include "core/type_tables.h"
#include "elements/msc/lmsc_filter.h"
#include "elements/msc/lmsc_kalorifer.h"
#include "elements/msc/lmsc_ventilator.h"

namespace {

// a, b, l, free text, and the type's value (pressure, power or a second text).
constexpr LParamEntry kA = Plain(75), kB = Plain(76), kL = Plain(90);
constexpr LParamEntry kD = Plain(83, kParamDiameter), kText = Plain(99, kParamText);
constexpr LParamEntry kPressure = Plain(127), kPower = Plain(128);
constexpr LParamEntry kText2 = Plain(117, kParamText);

constexpr LParamList kFanRectParams = ParamRow(kA, kB, kL, kText, kPressure);
constexpr LParamList kFanRoundParams = ParamRow(kD, kL, kText, kPressure);
constexpr LParamList kHeaterRectParams = ParamRow(kA, kB, kL, kText, kPower);
constexpr LParamList kHeaterRoundParams = ParamRow(kD, kL, kText, kPower);
constexpr LParamList kFilterRectParams = ParamRow(kA, kB, kL, kText, kText2);
constexpr LParamList kFilterRoundParams = ParamRow(kD, kL, kText, kText2);

// The equipment has no catalogue pages.  Fans 1-2, heaters 3-8, filters
// 9-12; "(d)" marks the round variants.
const LTypeEntry kTypes[] = {
    {.code = 1, .name = "Ventilator", .page = "", .block = "ventn",
     .dialog = "prop_msc_n5a",
     .params = kFanRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOf<LMscVentilator>},
    {.code = 2, .name = "Ventilator (d)", .page = "", .block = "ventk",
     .dialog = "prop_msc_n4a",
     .params = kFanRoundParams,
     .defaults = {200, 600, 0, 0},
     .make = MakeElementOf<LMscVentilatorK>},
    {.code = 3, .name = "Kalorifer +", .page = "", .block = "kalplus",
     .dialog = "prop_msc_n5b",
     .params = kHeaterRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscKalorifer>},
    {.code = 4, .name = "Kalorifer -", .page = "", .block = "kalminus",
     .dialog = "prop_msc_n5b",
     .params = kHeaterRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscKalorifer>},
    {.code = 5, .name = "Kalorifer +/-", .page = "", .block = "kalpmns",
     .dialog = "prop_msc_n5b",
     .params = kHeaterRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscKalorifer>},
    {.code = 6, .name = "Kalorifer + (d)", .page = "", .block = "kalplusd",
     .dialog = "prop_msc_n4b",
     .params = kHeaterRoundParams,
     .defaults = {200, 200, 600, 0},
     .make = MakeElementOfSubtype<LMscKaloriferK>},
    {.code = 7, .name = "Kalorifer - (d)", .page = "", .block = "kalmind",
     .dialog = "prop_msc_n4b",
     .params = kHeaterRoundParams,
     .defaults = {200, 200, 600, 0},
     .make = MakeElementOfSubtype<LMscKaloriferK>},
    {.code = 8, .name = "Kalorifer +/- (d)", .page = "", .block = "kalpmnsd",
     .dialog = "prop_msc_n4b",
     .params = kHeaterRoundParams,
     .defaults = {200, 200, 600, 0},
     .make = MakeElementOfSubtype<LMscKaloriferK>},
    {.code = 9, .name = "Filter", .page = "", .block = "szuronsik",
     .dialog = "prop_msc_n5b",
     .params = kFilterRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscFilter>},
    {.code = 10, .name = "Filter (d)", .page = "", .block = "szuroksik",
     .dialog = "prop_msc_n4b",
     .params = kFilterRoundParams,
     .defaults = {200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscFilterK>},
    {.code = 11, .name = "Filter", .page = "", .block = "szurontas",
     .dialog = "prop_msc_n5b",
     .params = kFilterRectParams,
     .defaults = {200, 200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscFilter>},
    {.code = 12, .name = "Filter (d)", .page = "", .block = "szuroktas",
     .dialog = "prop_msc_n4b",
     .params = kFilterRoundParams,
     .defaults = {200, 600, 0, 0},
     .make = MakeElementOfSubtype<LMscFilterK>},
};

const char* const kDialogs[] = {
    "prop_msc_n5a", "prop_msc_n4a", "prop_msc_n5b", "prop_msc_n4b"
};

}  // namespace

void RegisterMscFamily() {
    RegisterFamily({.code = kMscFamily,
                    .lastAliasCode = kMscLastPageFamily,
                    .types = kTypes,
                    .typeCount = static_cast<int>(std::size(kTypes)),
                    .dialogs = kDialogs,
                    .dialogCount = static_cast<int>(std::size(kDialogs)),
                    .typeFlags = kTypeFlowOfFirstConnector});
}
