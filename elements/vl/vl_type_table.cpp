// Rows of the rectangular-duct family: captions (message numbers), airflow
// entries, properties dialogs, and the kinds and lists of the few
// parameters that are chosen from a list.
#include "elements/vl/vl_type_table.h"

#include <initializer_list>

#include "core/catalogue_strings.h"
#include "core/messages.h"

LTypeDescriptor VlTypeTable[kVlTypeCount];

const double VlDefaultParams[kVlTypeCount][kVlDefaultWidth] = {
    {150, 150, 1500, -1, 0},           // VL-01
    {90, 150, 150, 150, 0, 0, 100},    // VL-02
    {150, 150, 150, 100, 100},         // VL-03
    {150, 150, 150, 100, 100},         // VL-04
    {150, 150, 100, 100, 500},         // VL-05
    {150, 150, 100, 100, 0, 0, 500},   // VL-06
    {90, 150, 150, 100, 0, 0, 100},    // VL-07
    {150, 150, 80, 250},               // VL-08
    {150, 150, 80, 0, 0, 300},         // VL-09
    {150, 150, 200, 80, 800},          // VL-10
    {150, 150, 80, 0, 0, 1200},        // VL-11K
    {250, 150, 150, 100, 300, 100, 0}, // VL-12-B
    {250, 150, 150, 100, 300, 100, 0}, // VL-12-J
    {250, 150, 150, 150, 300, 100},    // VL-13
    {300, 300, 1000, 50},              // KNH-E
    {300, 300, 50},                    // KNH-K
    {300, 300, 1000, 5, 100, 1},       // CS
    {300, 300, 5, 100, 1},             // CSK-H
    {300, 300, 5, 100, 1},             // CSK-V
    {250, 250, 1},                     // USZ-29
    {250, 250, 1},                     // LEM
    {250, 250, 1},                     // S-15
    {250, 250, 1},                     // USZ-17
    {0, 500, 500, 500, 500, 1000, 100, 100},  // VLE-01
    {0, 500, 500, 500, 500, 1000, 100, 100},  // VLE-02
    {150, 150, 200, 100, 0, 0, 1200},  // VL-11
    {150, 150, 150, 150, 100},         // VLE-03
    {250, 250, 150, 250, 45, 2000, 100},  // VLE-04
    {250, 250, 150, 250, 45, 2000, 100},  // VLE-05
    {250, 150, 100, 100, 0, 50, 1000}, // VL-NI
    {450, 150, 150, 150, 150, 1500},   // VLE-06
    {150, 150, 150, 0, 0},             // VLE-07
};

const double* VlDefaultRow(int typeId) {
    if (typeId < 1 || typeId > kVlTypeCount)
        return nullptr;
    return VlDefaultParams[typeId - 1];
}

namespace {

struct VlRowSpec {
    const char* dialogKey;
    int16_t captions[8];  // message numbers; the row ends at the first 0
    int16_t flows[4];     // connector per airflow entry
    int16_t flowCount;
};

const VlRowSpec kRows[kVlTypeCount] = {
    {"prop_vl_n3a", {75, 76, 77}, {0}, 1},
    {"prop_vl_n3b", {84, 75, 76, 78, 134, 135, 145}, {0, 1}, 2},
    {"prop_vl_n4", {75, 76, 78, 79, 145}, {2, 0, 1}, 3},
    {"prop_vl_n4", {75, 76, 78, 79, 145}, {2, 1, 0}, 3},
    {"prop_vl_n5c", {75, 76, 78, 80, 77}, {1, 0}, 2},
    {"prop_vl_n7", {75, 76, 78, 80, 81, 82, 77}, {0, 1}, 2},
    {"prop_vl_n3b", {84, 75, 76, 78, 134, 135, 145}, {0, 1}, 2},
    {"prop_vl_c4", {75, 76, 83, 77}, {1, 0}, 2},
    {"prop_vl_c6", {75, 76, 83, 81, 82, 77}, {0, 1}, 2},
    {"prop_vl_n5c", {75, 76, 78, 81, 77}, {1, 0}, 2},
    {"prop_vl_c6", {75, 76, 98, 81, 82, 77}, {0, 2}, 2},
    {"prop_vl_n5b", {75, 76, 78, 79, 77, 145}, {1, 0, 2}, 3},
    {"prop_vl_n5b", {75, 76, 78, 79, 77, 145}, {1, 0, 2}, 3},
    {"prop_vl_n5b", {75, 76, 78, 79, 77, 145}, {1, 0, 2}, 3},
    {"prop_vl_n3s", {88, 89, 90, 111}, {0}, 1},
    {"prop_vl_n2s", {88, 89, 111}, {0}, 1},
    {"prop_vl_n6s", {91, 92, 90, 93, 94, 96}, {0}, 1},
    {"prop_vl_n5s", {91, 92, 93, 94, 96}, {0}, 1},
    {"prop_vl_n5s", {91, 92, 93, 94, 96}, {0}, 1},
    {"prop_vl_d3", {88, 89, 108}, {0}, 1},
    {"prop_vl_a3", {91, 92, 108}, {0}, 1},
    {"prop_vl_a3", {91, 92, 108}, {0}, 1},
    {"prop_vl_a3", {91, 92, 108}, {0}, 1},
    {"prop_vl_n6a", {126, 75, 76, 78, 80, 77, 146, 147}, {0, -1, 1}, 3},
    {"prop_vl_n6a", {126, 75, 76, 78, 80, 77, 146, 147}, {0, -1, 1}, 3},
    {"prop_vl_n7", {75, 76, 78, 80, 81, 82, 77}, {0, 2}, 2},
    {"prop_vl_n4a", {75, 76, 78, 79, 145}, {0, 1, 2}, 3},
    {"prop_vl_n6", {75, 76, 78, 79, 84, 77, 145}, {0, 2, 1}, 3},
    {"prop_vl_n6", {75, 76, 78, 79, 84, 77, 145}, {0, 2, 1}, 3},
    {"prop_vl_n7a", {75, 76, 78, 79, 81, 140, 77}, {0, 1, 2}, 3},
    {"prop_vl_d6", {75, 76, 78, 79, 139, 77}, {0, 1, 2, 3}, 4},
    {"prop_vl_n5a", {75, 138, 78, 139, 140}, {0, 1, 2}, 3},
};

// Lists shared by several rows.
const double kUnitSizes[] = {300, 600, 900, 1200, 1500};
const double kUnitLengths[] = {1000, 2000};
const double kFreeAreas[] = {33, 50};
const double kSilencerSizes[] = {100, 150, 200};
const double kTurnAngles[] = {-90, 0, 90};
const char* const kCsCodes[] = {"CS-N", "CS-S", "CS-R"};
const char* const kCskCodes[] = {"CSK-N", "CSK-S", "CSK-R"};

int16_t CaptionCount(const VlRowSpec& rowDef) {
    int16_t n = 0;
    while (n < 8 && rowDef.captions[n] != 0)
        ++n;
    return n;
}

void SetListParams(LTypeDescriptor* t) {
    LTypeDescriptor* knhE = &t[14];
    SetParamRow(knhE, 0, kParamList, 5, kUnitSizes);
    SetParamRow(knhE, 1, kParamList, 5, kUnitSizes);
    SetParamRow(knhE, 2, kParamList, 2, kUnitLengths);
    SetParamRow(knhE, 3, kParamPercent, 2, kFreeAreas);
    LTypeDescriptor* knhK = &t[15];
    SetParamRow(knhK, 0, kParamList, 5, kUnitSizes);
    SetParamRow(knhK, 1, kParamList, 5, kUnitSizes);
    SetParamRow(knhK, 2, kParamPercent, 2, kFreeAreas);
    SetParamRow(&t[16], 4, kParamList, 3, kSilencerSizes);
    SetParamRow(&t[16], 5, kParamTextChoice, 3, kCsCodes);
    for (int row : {17, 18}) {
        SetParamRow(&t[row], 3, kParamList, 3, kSilencerSizes);
        SetParamRow(&t[row], 4, kParamTextChoice, 3, kCskCodes);
    }
    for (int row : {19, 20, 21, 22})
        SetParamRow(&t[row], 2, kParamRadio, 0, StandardDiameters);
    for (int row : {23, 24})
        SetParamRow(&t[row], 0, kParamList, 3, kTurnAngles);
    for (int row : {7, 8, 10})
        SetParamRow(&t[row], 2, kParamDiameter, 0, StandardDiameters);
}

}  // namespace

int16_t InitVlTypeTable() {
    for (int i = 0; i < kVlTypeCount; ++i) {
        const VlRowSpec& rowDef = kRows[i];
        LTypeDescriptor* row = &VlTypeTable[i];
        AllocDescriptorArrays(row, CaptionCount(rowDef), rowDef.flowCount, kParamFree,
                              StandardDiameters);
        row->dialogKey = rowDef.dialogKey;
        row->message = MessageText(0);
        row->cataloguePage = CataloguePageOf(1, i + 1);
        row->displayCode = TypeNameOf(1, i + 1);
        row->slideName = BlockNameOf(1, i + 1);
        row->blockPrefix = BlockPrefixOf(1, i + 1);
    }
    SetListParams(VlTypeTable);
    VlTypeTable[0].switchParam = 3;  // VL-01's lp toggle
    for (int i = 0; i < kVlTypeCount; ++i) {
        const VlRowSpec& rowDef = kRows[i];
        LTypeDescriptor* row = &VlTypeTable[i];
        for (int k = 0; k < row->flowCount; ++k)
            row->flowConnectors[k] = rowDef.flows[k];
        for (int k = 0; k < row->paramCount; ++k)
            row->captions[k] = MessageText(rowDef.captions[k]);
    }
    return 0;
}
