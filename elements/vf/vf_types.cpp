// The round ducts and fittings (family 2): one entry per type, and the
// family's registration.  The layered ducts' second variants (23, 24) are
// built and described as 17 and 18; their joint pieces go by their own
// codes, which name no duct (StoredJointPieceCode).
#include "elements/vf/vf_family.h"

#include <iterator>

#include "core/lconnector.h"
#include "core/type_tables.h"
#include "elements/vf/lvf03.h"
#include "elements/vf/lvf08.h"
#include "elements/vf/lvf10.h"
#include "elements/vf/lvf11.h"
#include "elements/vf/lvf15.h"
#include "elements/vf/lvf16.h"
#include "elements/vf/lvf20.h"
#include "elements/vf/lvf21.h"
#include "elements/vf/lvf22.h"
#include "elements/vf/lvf_bend.h"
#include "elements/vf/lvf_tee.h"
#include "elements/vf/lvfe1.h"
#include "elements/vf/lvffspiko.h"
#include "elements/vf/lvfhspiko.h"
#include "elements/vf/lvfspiko.h"
#include "elements/vf/lvfusz28.h"
#include "elements/vf/lvfwform.h"

namespace {

// Lists and parameters shared by several types.
const double kFlexDiameters[] = {80,  90,  100, 112, 125, 130, 140, 150, 160, 180, 200,
                                 220, 250, 300, 315, 350, 375, 400, 450, 500, 600};
const double kLayeredDiameters[] = {100, 125, 150, 200, 250, 315, 350, 400};
const double kLayerThicknesses[] = {25, 50};
const double kUsz28Diameters[] = {80,  100, 125, 160, 200, 250, 315, 350, 400,
                                  450, 500, 560, 630, 710, 800, 900, 1000};
const double kBendFactors[] = {0.8, 1, 1.5, 2};
const char* const kBendFactorTexts[] = {"0.8xd", "1xd", "1.5xd", "2xd"};
const double kSegmentCounts[] = {3, 4};
const char* const kFspiroMakes[] = {"F5", "SF20", "SF200"};
const char* const kFspiroSizes[] = {"0.5", "2x0.5", "1", "1,5", "2", "3"};

constexpr LParamEntry kBend = Labelled(143, kBendFactors, kBendFactorTexts);
constexpr LParamEntry kSegments = Numbers(144, kSegmentCounts);
constexpr LParamEntry kDiameter = Plain(83, kParamDiameter);
constexpr LParamEntry kLength = Plain(77);

// USZ-28 has no block prefix of its own and is drawn as VF-10.
const LTypeEntry kTypes[] = {
    {.code = 1, .name = "SPIRO", .page = "1.31", .block = "spiko",
     .dialog = "prop_vf_b2",
     .params = ParamRow(kDiameter, kLength),
     .defaults = {100, 6000},
     .make = MakeElementOf<LVfSpiko>,
     .flags = kTypeStandardPiece | kTypeStoresPieceLength | kTypeJointDuct | kTypeFlowLabel,
     .pieceShape = kShapeRound,
     .lengthParam = 1},
    {.code = 2, .name = "FLEX", .page = "1.30", .block = "wester",
     .dialog = "prop_vf_s2",
     .params = ParamRow(Numbers(83, kFlexDiameters), kLength),
     .defaults = {100, 0, 0},
     .make = MakeElementOf<LVfWform>,
     .flags = kTypeStoresPieceLength | kTypeJointDuct | kTypeLabelsAwayFromOutline | kTypeFlowLabel,
     .pieceShape = kShapeRound},
    {.code = 3, .name = "VF/KS-04", .page = "1.41/1.42", .block = "vf04",
     .dialog = "prop_vf_v3",
     .params = ParamRow(kDiameter, kBend, kSegments),
     .defaults = {100, 1, 4},
     .make = MakeElementOf<LVf04>,
     .flags = kTypeFlowLabel},
    {.code = 4, .name = "VF/KS-05", .page = "1.41/1.42", .block = "vf05",
     .dialog = "prop_vf_v4",
     .params = ParamRow(Plain(84), kDiameter, kBend, kSegments),
     .defaults = {45, 100, 1, 4},
     .make = MakeElementOf<LVf05>,
     .flags = kTypeFlowLabel},
    {.code = 5, .name = "VF/KS-06", .page = "1.41/1.42", .block = "vf06",
     .dialog = "prop_vf_n3",
     .params = ParamRow(Plain(85, kParamDiameter), Plain(86, kParamDiameter),
                        Plain(87, kParamDiameter)),
     .flows = Flows(1, 2, 0),
     .defaults = {100, 100, 100},
     .make = MakeElementOf<LVf06>},
    {.code = 6, .name = "VF/KS-07", .page = "1.41/1.42", .block = "vf07",
     .dialog = "prop_vf_n2",
     .params = ParamRow(Plain(85, kParamDiameter), Plain(86, kParamDiameter)),
     .flows = Flows(0, 2),
     .defaults = {100, 100},
     .make = MakeElementOf<LVf07>},
    {.code = 7, .name = "VF/KS-08", .page = "1.41/1.42", .block = "vf08",
     .dialog = "prop_vf_s3",
     .params = ParamRow(Plain(85, kParamDiameter), Plain(86, kParamDiameter), kLength),
     .flows = Flows(0, 1),
     .defaults = {100, 100, 250},
     .make = MakeElementOf<LVf08>},
    {.code = 8, .name = "VF/KS-09", .page = "1.41/1.42", .block = "vf09",
     .dialog = "prop_vf_s3",
     .params = ParamRow(Plain(85, kParamDiameter), Plain(86, kParamDiameter), kLength),
     .flows = Flows(0, 1),
     .defaults = {100, 100, 250},
     .make = MakeElementOf<LVf09>,
     .flags = kTypeFitsBothEnds},
    {.code = 9, .name = "VF-10", .page = "1.41", .block = "vf10",
     .dialog = "prop_vf_n1",
     .params = ParamRow(FirstNumbers(83, 16, StandardDiameters)),
     .defaults = {0, 100},
     .make = MakeElementOf<LVf10>,
     .flags = kTypeFlowLabel},
    {.code = 10, .name = "VF-11/12", .page = "1.41", .block = "vf1112",
     .dialog = "prop_vf_b4",
     .params = ParamRow(FirstNumbers(83, 25, StandardDiameters), Plain(88), Plain(89), Plain(125)),
     .flows = Flows(0, 2),
     .defaults = {200, 300, 200, 0},
     .make = MakeElementOf<LVf11>,
     .flags = kTypeSizesChildren},
    {.code = 11, .name = "VFE-01", .page = "1.31/1.41", .block = "vfe01",
     .dialog = "prop_vf_b3",
     .params = ParamRow(Plain(126), kDiameter, kLength, kBend, kSegments),
     .defaults = {0, 100, 1000, 1, 4, 0},
     .make = MakeElementOf<LVfE1>,
     .flags = kTypeStoresPieceLength | kTypeFlowLabel,
     .pieceShape = kShapeRound},
    {.code = 12, .name = "VF-16", .page = "1.41", .block = "vf16",
     .dialog = "prop_vf_a2",
     .params = ParamRow(Plain(84), FirstNumbers(83, 24, StandardDiameters)),
     .defaults = {90, 200},
     .make = MakeElementOf<LVf16>},
    {.code = 13, .name = "VF-17", .page = "1.41", .block = "vf17",
     .dialog = "prop_vf_a2",
     .params = ParamRow(Plain(84), FirstNumbers(83, 24, StandardDiameters)),
     .defaults = {45, 200},
     .make = MakeElementOf<LVf17>},
    {.code = 14, .name = "VF/KS-20", .page = "1.41/1.42", .block = "vf20",
     .dialog = "prop_vf_n2",
     .params = ParamRow(Plain(98, kParamDiameter), kDiameter),
     .flows = Flows(1, 2, 0),
     .defaults = {100, 100},
     .make = MakeElementOf<LVf20>},
    {.code = 15, .name = "VF/KS-21", .page = "1.41/1.42", .block = "vf21",
     .dialog = "prop_vf_n2",
     .params = ParamRow(Plain(98, kParamDiameter), kDiameter),
     .flows = Flows(0, 1),
     .defaults = {100, 100},
     .make = MakeElementOf<LVf21>},
    {.code = 16, .name = "VF/KS-22", .page = "1.41/1.42", .block = "vf22",
     .dialog = "prop_vf_n2",
     .params = ParamRow(Plain(98, kParamDiameter), kDiameter),
     .flows = Flows(0, 1),
     .make = MakeElementOf<LVf22>},
    {.code = 17, .name = "HSPIRO", .page = "1.50", .block = "hspiko",
     .dialog = "prop_vf_a3",
     .params = ParamRow(Numbers(83, kLayeredDiameters), kLength, Numbers(95, kLayerThicknesses),
                        Plain(0, kParamRadio)),
     .defaults = {100, 6000, 25, 1},
     .make = MakeElementOf<LVfHSpiko>,
     .flags = kTypeJointDuct | kTypeLayeredJoint | kTypeFlowLabel},
    {.code = 18, .name = "HFLEX", .page = "1.50", .block = "hwester",
     .dialog = "prop_vf_a3",
     .params = ParamRow(Numbers(83, kLayeredDiameters), kLength, Numbers(95, kLayerThicknesses),
                        Plain(0, kParamRadio)),
     .defaults = {100, 6000, 25, 1},
     .make = MakeElementOf<LVfHWesterform>,
     .flags = kTypeJointDuct | kTypeLayeredJoint | kTypeFlowLabel},
    {.code = 19, .name = "USZ-28", .page = "2.42", .block = "usz28", .blockPrefix = "vf10-",
     .dialog = "prop_vf_d2",
     .params = ParamRow(Numbers(98, kUsz28Diameters), Plain(108, kParamRadio)),
     .defaults = {250, 1},
     .make = MakeElementOf<LVfUSz28>,
     .flags = kTypeFlowLabel},
    {.code = 20, .name = "FSPIRO", .page = "2.54", .block = "sfk",
     .dialog = "prop_vf_d4",
     .params = ParamRow(Texts(99, kFspiroMakes), Numbers(98, StandardDiameters), Plain(90),
                        Texts(96, kFspiroSizes)),
     .defaults = {1, 250, 6000, 1},
     .make = MakeElementOf<LVfFSpiko>,
     .flags = kTypeJointDuct | kTypeFlowLabel},
    {.code = 21, .name = "VF/KS-03", .page = "1.41/1.42", .block = "vf03",
     .dialog = "prop_vf_n1",
     .params = ParamRow(kDiameter),
     .defaults = {100},
     .make = MakeElementOf<LVf03>,
     .flags = kTypeFlowLabel},
    {.code = 22, .name = "VF-15", .page = "1.41", .block = "vf15",
     .dialog = "prop_vf_n1",
     .params = ParamRow(FirstNumbers(83, 16, StandardDiameters)),
     .defaults = {100},
     .make = MakeElementOf<LVf15>,
     .flags = kTypeFlowLabel},
};

// "prop_vf_a4" belongs to no type.
const char* const kDialogs[] = {
    "prop_vf_a2", "prop_vf_b2", "prop_vf_n1", "prop_vf_n2", "prop_vf_n3", "prop_vf_a4",
    "prop_vf_a3", "prop_vf_s3", "prop_vf_s2", "prop_vf_b4", "prop_vf_b3", "prop_vf_d2",
    "prop_vf_d4", "prop_vf_v3", "prop_vf_v4"
};

const LSubtypeAlias kAliases[] = {{23, 17}, {24, 18}};

}  // namespace

void RegisterVfFamily() {
    RegisterFamily({.code = kVfFamily,
                    .types = kTypes,
                    .typeCount = static_cast<int>(std::size(kTypes)),
                    .dialogs = kDialogs,
                    .dialogCount = static_cast<int>(std::size(kDialogs)),
                    .aliases = kAliases,
                    .aliasCount = static_cast<int>(std::size(kAliases))});
}
