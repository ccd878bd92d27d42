// Rows of the round-duct family.  Every parameter is a standard diameter
// (kind 1) unless its row says otherwise.
#include "elements/vf/vf_type_table.h"

#include "core/catalogue_strings.h"
#include "core/messages.h"

LTypeDescriptor VfTypeTable[kVfTypeCount];

namespace {

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

struct ParamSpec {
    int16_t kind;
    int16_t caption;  // message number; 0 = the empty caption
    int16_t count;
    const void* list;
    const char* const* texts;  // kind -6
};

struct VfRowSpec {
    const char* dialogKey;
    int16_t paramCount;
    ParamSpec params[5];
    int16_t flowCount;
    int16_t flows[3];
};

const ParamSpec kBend = {kParamLabelled, 143, 4, kBendFactors, kBendFactorTexts};
const ParamSpec kSegments = {kParamList, 144, 2, kSegmentCounts, nullptr};
const ParamSpec kDiameter = {kParamDiameter, 83, 0, nullptr, nullptr};
const ParamSpec kLength = {kParamFree, 77, 0, nullptr, nullptr};

const VfRowSpec kRows[kVfTypeCount] = {
    {"prop_vf_b2", 2, {kDiameter, kLength}, 1, {0}},
    {"prop_vf_s2", 2, {{kParamList, 83, 21, kFlexDiameters, nullptr}, kLength}, 1, {0}},
    {"prop_vf_v3", 3, {kDiameter, kBend, kSegments}, 1, {0}},
    {"prop_vf_v4", 4, {{kParamFree, 84, 0, nullptr, nullptr}, kDiameter, kBend, kSegments}, 1, {0}},
    {"prop_vf_n3", 3,
     {{kParamDiameter, 85, 0, nullptr, nullptr}, {kParamDiameter, 86, 0, nullptr, nullptr},
      {kParamDiameter, 87, 0, nullptr, nullptr}}, 3, {1, 2, 0}},
    {"prop_vf_n2", 2,
     {{kParamDiameter, 85, 0, nullptr, nullptr}, {kParamDiameter, 86, 0, nullptr, nullptr}},
     2, {0, 2}},
    {"prop_vf_s3", 3,
     {{kParamDiameter, 85, 0, nullptr, nullptr}, {kParamDiameter, 86, 0, nullptr, nullptr},
      kLength}, 2, {0, 1}},
    {"prop_vf_s3", 3,
     {{kParamDiameter, 85, 0, nullptr, nullptr}, {kParamDiameter, 86, 0, nullptr, nullptr},
      kLength}, 2, {0, 1}},
    {"prop_vf_n1", 1, {{kParamList, 83, 16, StandardDiameters, nullptr}}, 1, {0}},
    {"prop_vf_b4", 4,
     {{kParamList, 83, 25, StandardDiameters, nullptr}, {kParamFree, 88, 0, nullptr, nullptr},
      {kParamFree, 89, 0, nullptr, nullptr}, {kParamFree, 125, 0, nullptr, nullptr}},
     2, {0, 2}},
    {"prop_vf_b3", 5,
     {{kParamFree, 126, 0, nullptr, nullptr}, kDiameter, kLength, kBend, kSegments}, 1, {0}},
    {"prop_vf_a2", 2,
     {{kParamFree, 84, 0, nullptr, nullptr}, {kParamList, 83, 24, StandardDiameters, nullptr}}, 1, {0}},
    {"prop_vf_a2", 2,
     {{kParamFree, 84, 0, nullptr, nullptr}, {kParamList, 83, 24, StandardDiameters, nullptr}}, 1, {0}},
    {"prop_vf_n2", 2,
     {{kParamDiameter, 98, 0, nullptr, nullptr}, kDiameter}, 3, {1, 2, 0}},
    {"prop_vf_n2", 2,
     {{kParamDiameter, 98, 0, nullptr, nullptr}, kDiameter}, 2, {0, 1}},
    {"prop_vf_n2", 2,
     {{kParamDiameter, 98, 0, nullptr, nullptr}, kDiameter}, 2, {0, 1}},
    {"prop_vf_a3", 4,
     {{kParamList, 83, 8, kLayeredDiameters, nullptr}, kLength,
      {kParamList, 95, 2, kLayerThicknesses, nullptr}, {kParamRadio, 0, 0, nullptr, nullptr}},
     1, {0}},
    {"prop_vf_a3", 4,
     {{kParamList, 83, 8, kLayeredDiameters, nullptr}, kLength,
      {kParamList, 95, 2, kLayerThicknesses, nullptr}, {kParamRadio, 0, 0, nullptr, nullptr}},
     1, {0}},
    {"prop_vf_d2", 2,
     {{kParamList, 98, 17, kUsz28Diameters, nullptr}, {kParamRadio, 108, 0, nullptr, nullptr}},
     1, {0}},
    {"prop_vf_d4", 4,
     {{kParamTextChoice, 99, 3, kFspiroMakes, nullptr}, {kParamList, 98, 31, StandardDiameters, nullptr},
      {kParamFree, 90, 0, nullptr, nullptr}, {kParamTextChoice, 96, 6, kFspiroSizes, nullptr}},
     1, {0}},
    {"prop_vf_n1", 1, {kDiameter}, 1, {0}},
    {"prop_vf_n1", 1, {{kParamList, 83, 16, StandardDiameters, nullptr}}, 1, {0}},
};

}  // namespace

int16_t InitVfTypeTable() {
    for (int i = 0; i < kVfTypeCount; ++i) {
        const VfRowSpec& rowDef = kRows[i];
        LTypeDescriptor* row = &VfTypeTable[i];
        AllocDescriptorArrays(row, rowDef.paramCount, rowDef.flowCount, kParamDiameter, nullptr);
        row->dialogKey = rowDef.dialogKey;
        row->message = MessageText(0);
        row->cataloguePage = CataloguePageOf(2, i + 1);
        row->displayCode = TypeNameOf(2, i + 1);
        row->slideName = BlockNameOf(2, i + 1);
        row->blockPrefix = BlockPrefixOf(2, i + 1);
        for (int k = 0; k < rowDef.flowCount; ++k)
            row->flowConnectors[k] = rowDef.flows[k];
        for (int k = 0; k < rowDef.paramCount; ++k) {
            const ParamSpec& p = rowDef.params[k];
            SetParamRow(row, k, p.kind, p.count, p.list);
            row->textLists[k] = p.texts;
            row->captions[k] = p.caption ? MessageText(p.caption) : "";
        }
    }
    return 0;
}
