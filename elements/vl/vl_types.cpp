// The rectangular duct fittings (family 1): one entry per type, and the
// family's registration.
#include "elements/vl/vl_family.h"

#include <iterator>

#include "core/lconnector.h"
#include "core/type_tables.h"
#include "elements/vl/lvl01.h"
#include "elements/vl/lvl02.h"
#include "elements/vl/lvl03.h"
#include "elements/vl/lvl04.h"
#include "elements/vl/lvl05.h"
#include "elements/vl/lvl07.h"
#include "elements/vl/lvl08.h"
#include "elements/vl/lvl10.h"
#include "elements/vl/lvl11.h"
#include "elements/vl/lvl12b.h"
#include "elements/vl/lvl13.h"
#include "elements/vl/lvl_composite.h"
#include "elements/vl/lvl_offset_transition.h"
#include "elements/vl/lvlcs.h"
#include "elements/vl/lvle03.h"
#include "elements/vl/lvle04.h"
#include "elements/vl/lvle06.h"
#include "elements/vl/lvle07.h"
#include "elements/vl/lvlknh.h"
#include "elements/vl/lvlni.h"
#include "elements/vl/lvlusz.h"

namespace {

// Lists shared by several types.
const double kUnitSizes[] = {300, 600, 900, 1200, 1500};
const double kUnitLengths[] = {1000, 2000};
const double kFreeAreas[] = {33, 50};
const double kSilencerSizes[] = {100, 150, 200};
const double kTurnAngles[] = {-90, 0, 90};
const char* const kCsCodes[] = {"CS-N", "CS-S", "CS-R"};
const char* const kCskCodes[] = {"CSK-N", "CSK-S", "CSK-R"};

// The catalogue gives no page for VLE-05, VL-NI, VLE-06 and VLE-07; they are
// composite pieces of the same catalogue chapter as VLE-01 to VLE-04.  S-15
// is drawn with the LEM slide.
const LTypeEntry kTypes[] = {
    {.code = 1, .name = "VL-01", .page = "1.10", .block = "vl01",
     .dialog = "prop_vl_n3a",
     .params = ParamRow(Plain(75), Plain(76), Plain(77)),
     .switchParam = 3,
     .defaults = {150, 150, 1500, -1},
     .make = MakeElementOf<LVl01>,
     .flags = kTypeStandardPiece | kTypeStoresPieceLength | kTypeFlowLabel,
     .pieceShape = kShapeRect,
     .lengthParam = 2},
    {.code = 2, .name = "VL-02", .page = "1.10", .block = "vl02",
     .dialog = "prop_vl_n3b",
     .params = ParamRow(Plain(84), Plain(75), Plain(76), Plain(78), Plain(134), Plain(135),
                        Plain(145)),
     .flows = Flows(0, 1),
     .defaults = {90, 150, 150, 150, 0, 0, 100},
     .make = MakeElementOf<LVl02>},
    {.code = 3, .name = "VL-03", .page = "1.10", .block = "vl03",
     .dialog = "prop_vl_n4",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(145)),
     .flows = Flows(2, 0, 1),
     .defaults = {150, 150, 150, 100, 100},
     .make = MakeElementOf<LVl03>},
    {.code = 4, .name = "VL-04", .page = "1.10", .block = "vl04",
     .dialog = "prop_vl_n4",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(145)),
     .flows = Flows(2, 1, 0),
     .defaults = {150, 150, 150, 100, 100},
     .make = MakeElementOf<LVl04>},
    {.code = 5, .name = "VL-05", .page = "1.10", .block = "vl05",
     .dialog = "prop_vl_n5c",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(80), Plain(77)),
     .flows = Flows(1, 0),
     .defaults = {150, 150, 100, 100, 500},
     .make = MakeElementOf<LVl05>},
    {.code = 6, .name = "VL-06", .page = "1.10", .block = "vl06",
     .dialog = "prop_vl_n7",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(80), Plain(81), Plain(82),
                        Plain(77)),
     .flows = Flows(0, 1),
     .defaults = {150, 150, 100, 100, 0, 0, 500},
     .make = MakeElementOf<LVl06>},
    {.code = 7, .name = "VL-07", .page = "1.10", .block = "vl07",
     .dialog = "prop_vl_n3b",
     .params = ParamRow(Plain(84), Plain(75), Plain(76), Plain(78), Plain(134), Plain(135),
                        Plain(145)),
     .flows = Flows(0, 1),
     .defaults = {90, 150, 150, 100, 0, 0, 100},
     .make = MakeElementOf<LVl07>},
    {.code = 8, .name = "VL-08", .page = "1.10", .block = "vl08",
     .dialog = "prop_vl_c4",
     .params = ParamRow(Plain(75), Plain(76), Plain(83, kParamDiameter), Plain(77)),
     .flows = Flows(1, 0),
     .defaults = {150, 150, 80, 250},
     .make = MakeElementOf<LVl08>},
    {.code = 9, .name = "VL-09", .page = "1.10", .block = "vl09",
     .dialog = "prop_vl_c6",
     .params = ParamRow(Plain(75), Plain(76), Plain(83, kParamDiameter), Plain(81), Plain(82),
                        Plain(77)),
     .flows = Flows(0, 1),
     .defaults = {150, 150, 80, 0, 0, 300},
     .make = MakeElementOf<LVl09>},
    {.code = 10, .name = "VL-10", .page = "1.10", .block = "vl10",
     .dialog = "prop_vl_n5c",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(81), Plain(77)),
     .flows = Flows(1, 0),
     .defaults = {150, 150, 200, 80, 800},
     .make = MakeElementOf<LVl10>},
    {.code = 11, .name = "VL-11K", .page = "1.10", .block = "vl11k",
     .dialog = "prop_vl_c6",
     .params = ParamRow(Plain(75), Plain(76), Plain(98, kParamDiameter), Plain(81), Plain(82),
                        Plain(77)),
     .flows = Flows(0, 2),
     .defaults = {150, 150, 80, 0, 0, 1200},
     .make = MakeElementOf<LVl11>,
     .flags = kTypeFlowThrough | kTypeFlowLabel},
    {.code = 12, .name = "VL-12-B", .page = "1.10", .block = "vl12_b",
     .dialog = "prop_vl_n5b",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(77), Plain(145)),
     .flows = Flows(1, 0, 2),
     .defaults = {250, 150, 150, 100, 300, 100},
     .make = MakeElementOfSubtype<LVl12B>},
    {.code = 13, .name = "VL-12-J", .page = "1.10", .block = "vl12_j",
     .dialog = "prop_vl_n5b",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(77), Plain(145)),
     .flows = Flows(1, 0, 2),
     .defaults = {250, 150, 150, 100, 300, 100},
     .make = MakeElementOfSubtype<LVl12B>},
    {.code = 14, .name = "VL-13", .page = "1.10", .block = "vl13",
     .dialog = "prop_vl_n5b",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(77), Plain(145)),
     .flows = Flows(1, 0, 2),
     .defaults = {250, 150, 150, 150, 300, 100},
     .make = MakeElementOf<LVl13>},
    {.code = 15, .name = "KNH-E", .page = "1.51", .block = "knhe",
     .dialog = "prop_vl_n3s",
     .params = ParamRow(Numbers(88, kUnitSizes), Numbers(89, kUnitSizes), Numbers(90, kUnitLengths),
                        Numbers(111, kFreeAreas, kParamPercent)),
     .defaults = {300, 300, 1000, 50},
     .make = MakeElementOf<LVlKnhE>,
     .flags = kTypeFlowLabel},
    {.code = 16, .name = "KNH-K", .page = "1.51", .block = "knhk",
     .dialog = "prop_vl_n2s",
     .params = ParamRow(Numbers(88, kUnitSizes), Numbers(89, kUnitSizes),
                        Numbers(111, kFreeAreas, kParamPercent)),
     .defaults = {300, 300, 50},
     .make = MakeElementOf<LVlKnhK>,
     .flags = kTypeFlowLabel},
    {.code = 17, .name = "CS", .page = "1.52", .block = "csn",
     .dialog = "prop_vl_n6s",
     .params = ParamRow(Plain(91), Plain(92), Plain(90), Plain(93), Numbers(94, kSilencerSizes),
                        Texts(96, kCsCodes)),
     .defaults = {300, 300, 1000, 5, 100, 1},
     .make = MakeElementOf<LVlCs>,
     .flags = kTypeLayeredJoint | kTypeFlowLabel},
    {.code = 18, .name = "CSK-H", .page = "1.52", .block = "csk-h",
     .dialog = "prop_vl_n5s",
     .params = ParamRow(Plain(91), Plain(92), Plain(93), Numbers(94, kSilencerSizes),
                        Texts(96, kCskCodes)),
     .defaults = {300, 300, 5, 100, 1},
     .make = MakeElementOf<LVlCsKH>,
     .flags = kTypeLayeredJoint | kTypeFlowLabel},
    {.code = 19, .name = "CSK-V", .page = "1.52", .block = "csk-v",
     .dialog = "prop_vl_n5s",
     .params = ParamRow(Plain(91), Plain(92), Plain(93), Numbers(94, kSilencerSizes),
                        Texts(96, kCskCodes)),
     .defaults = {300, 300, 5, 100, 1},
     .make = MakeElementOf<LVlCsKV>,
     .flags = kTypeFlowLabel},
    {.code = 20, .name = "USZ-29", .page = "2.42", .block = "usz29",
     .dialog = "prop_vl_d3",
     .params = ParamRow(Plain(88), Plain(89), Plain(108, kParamRadio)),
     .defaults = {250, 250, 1},
     .make = MakeElementOf<LVlUSz29>,
     .flags = kTypeFlowLabel},
    {.code = 21, .name = "LEM", .page = "2.41", .block = "lem",
     .dialog = "prop_vl_a3",
     .params = ParamRow(Plain(91), Plain(92), Plain(108, kParamRadio)),
     .defaults = {250, 250, 1},
     .make = MakeElementOf<LVlLEM>,
     .flags = kTypeFlowLabel},
    {.code = 22, .name = "S-15", .page = "2.43", .block = "lem",
     .dialog = "prop_vl_a3",
     .params = ParamRow(Plain(91), Plain(92), Plain(108, kParamRadio)),
     .defaults = {250, 250, 1},
     .make = MakeElementOf<LVlS15>,
     .flags = kTypeFlowLabel},
    {.code = 23, .name = "USZ-17", .page = "2.40", .block = "usz17",
     .dialog = "prop_vl_a3",
     .params = ParamRow(Plain(91), Plain(92), Plain(108, kParamRadio)),
     .defaults = {250, 250, 1},
     .make = MakeElementOf<LVlUSz17>,
     .flags = kTypeFlowLabel},
    {.code = 24, .name = "VLE-01", .page = "1.10", .block = "vle01",
     .dialog = "prop_vl_n6a",
     .params = ParamRow(Numbers(126, kTurnAngles), Plain(75), Plain(76), Plain(78), Plain(80),
                        Plain(77), Plain(146), Plain(147)),
     .flows = Flows(0, -1, 1),
     .defaults = {0, 500, 500, 500, 500, 1000, 100, 100},
     .make = MakeElementOf<LVlE01>,
     .flags = kTypeStoresPieceLength,
     .pieceShape = kShapeRect},
    {.code = 25, .name = "VLE-02", .page = "1.10", .block = "vle02",
     .dialog = "prop_vl_n6a",
     .params = ParamRow(Numbers(126, kTurnAngles), Plain(75), Plain(76), Plain(78), Plain(80),
                        Plain(77), Plain(146), Plain(147)),
     .flows = Flows(0, -1, 1),
     .defaults = {0, 500, 500, 500, 500, 1000, 100, 100},
     .make = MakeElementOf<LVlE02>,
     .flags = kTypeStoresPieceLength,
     .pieceShape = kShapeRect},
    {.code = 26, .name = "VL-11", .page = "1.10", .block = "vl11",
     .dialog = "prop_vl_n7",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(80), Plain(81), Plain(82),
                        Plain(77)),
     .flows = Flows(0, 2),
     .defaults = {150, 150, 200, 100, 0, 0, 1200},
     .make = MakeElementOf<LVl11R>,
     .flags = kTypeFlowLabel},
    {.code = 27, .name = "VLE-03", .page = "1.10", .block = "vle03",
     .dialog = "prop_vl_n4a",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(145)),
     .flows = Flows(0, 1, 2),
     .defaults = {150, 150, 150, 150, 100},
     .make = MakeElementOf<LVle03>},
    {.code = 28, .name = "VLE-04", .page = "1.10", .block = "vle04",
     .dialog = "prop_vl_n6",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(84), Plain(77),
                        Plain(145)),
     .flows = Flows(0, 2, 1),
     .defaults = {250, 250, 150, 250, 45, 2000, 100},
     .make = MakeElementOf<LVle04>},
    {.code = 29, .name = "VLE-05", .page = "1.10", .block = "vle05",
     .dialog = "prop_vl_n6",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(84), Plain(77),
                        Plain(145)),
     .flows = Flows(0, 2, 1),
     .defaults = {250, 250, 150, 250, 45, 2000, 100},
     .make = MakeElementOf<LVle05>},
    {.code = 30, .name = "VL-NI", .page = "1.10", .block = "vlni",
     .dialog = "prop_vl_n7a",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(81), Plain(140),
                        Plain(77)),
     .flows = Flows(0, 1, 2),
     .defaults = {250, 150, 100, 100, 0, 50, 1000},
     .make = MakeElementOf<LVlNi>},
    {.code = 31, .name = "VLE-06", .page = "1.10", .block = "vle06",
     .dialog = "prop_vl_d6",
     .params = ParamRow(Plain(75), Plain(76), Plain(78), Plain(79), Plain(139), Plain(77)),
     .flows = Flows(0, 1, 2, 3),
     .defaults = {450, 150, 150, 150, 150, 1500},
     .make = MakeElementOf<LVle06>},
    {.code = 32, .name = "VLE-07", .page = "1.10", .block = "vle07",
     .dialog = "prop_vl_n5a",
     .params = ParamRow(Plain(75), Plain(138), Plain(78), Plain(139), Plain(140)),
     .flows = Flows(0, 1, 2),
     .defaults = {150, 150, 150},
     .make = MakeElementOf<LVle07>},
};

const char* const kDialogs[] = {
    "prop_vl_n3a", "prop_vl_n4", "prop_vl_n5a", "prop_vl_n6", "prop_vl_n7", "prop_vl_c4",
    "prop_vl_c6", "prop_vl_n3b", "prop_vl_n5b", "prop_vl_n3s", "prop_vl_n2s", "prop_vl_n6s",
    "prop_vl_n5s", "prop_vl_n5c", "prop_vl_n6a", "prop_vl_a3", "prop_vl_d3", "prop_vl_n4a",
    "prop_vl_d6", "prop_vl_n7a"
};

}  // namespace

void RegisterVlFamily() {
    RegisterFamily({.code = kVlFamily,
                    .types = kTypes,
                    .typeCount = static_cast<int>(std::size(kTypes)),
                    .dialogs = kDialogs,
                    .dialogCount = static_cast<int>(std::size(kDialogs))});
}
