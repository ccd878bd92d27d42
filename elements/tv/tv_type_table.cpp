// Rows of the fire-damper family: parameter counts, properties dialogs,
// text parameters and airflow entries; the parameters of each row are in
// tv_rows.cpp.
#include "elements/tv/tv_type_table.h"

#include "elements/tv/tv_rows.h"

#include "core/catalogue_strings.h"
#include "core/messages.h"

LTypeDescriptor TvTypeTable[kTvTypeCount];

namespace {

struct TvRowSpec {
    const char* dialogKey;
    int16_t paramCount;
    int16_t textParam;
    int16_t flowConnector;  // -1: the wall-mounted types show their own airflow
};

const TvRowSpec kRows[kTvTypeCount] = {
    {"prop_tv_e4b", 8, 2, 0},  {"prop_tv_e3b", 7, 1, 0},  {"prop_tv_e4", 10, 2, 0},
    {"prop_tv_e3", 9, 1, 0},   {"prop_tv_s2", 7, 4, -1},  {"prop_tv_s1", 6, 3, -1},
    {"prop_tv_s1", 6, 3, -1},  {"prop_tv_s1", 6, 3, -1},  {"prop_tv_s1", 6, 3, -1},
    {"prop_tv_s2", 7, 4, -1},  {"prop_tv_s1", 6, 3, -1},  {"prop_tv_s4", 6, 3, -1},
    {"prop_tv_s3", 6, 3, -1},  {"prop_tv_e4c", 6, 2, 0},  {"prop_tv_e3c", 5, 1, 0},
    {"prop_tv_e4d", 5, 2, 0},  {"prop_tv_e3d", 4, 1, 0},
};

const char* const kVariantCodes[] = {"HP", "HL", "VG", "VD"};
const char* const kActuatorCodes[] = {"GHPV", "GPV-AG", "GPV-TP"};

constexpr int16_t kTextCaption = 129;

}  // namespace

int16_t TvTextParam(int subtype) {
    if (subtype < 1 || subtype > kTvTypeCount)
        return -1;
    return kRows[subtype - 1].textParam;
}

const char* TvVariantCode(int value) {
    return value >= 1 && value <= 4 ? kVariantCodes[value - 1] : "";
}

const char* TvActuatorCode(int value) {
    return value >= 1 && value <= 3 ? kActuatorCodes[value - 1] : "";
}

int TvInstallMessageFromFlags(bool a, bool b) {
    if (a)
        return b ? 133 : 131;
    return b ? 132 : 0;
}

int TvInstallMessageFromChoice(int choice) {
    switch (choice) {
    case 2: return 131;
    case 3: return 132;
    case 4: return 133;
    default: return 0;
    }
}

int16_t InitTvTypeTable() {
    for (int i = 0; i < kTvTypeCount; ++i) {
        const TvRowSpec& rowDef = kRows[i];
        LTypeDescriptor* row = &TvTypeTable[i];
        AllocDescriptorArrays(row, rowDef.paramCount, 1, kParamFree, StandardDiameters);
        row->dialogKey = rowDef.dialogKey;
        row->message = MessageText(0);
        row->cataloguePage = CataloguePageOf(4, i + 1);
        row->displayCode = TypeNameOf(4, i + 1);
        row->slideName = BlockNameOf(4, i + 1);
        row->blockPrefix = BlockPrefixOf(4, i + 1);
        SetParamRow(row, rowDef.textParam, kParamText, 0, StandardDiameters);
        row->captions[rowDef.textParam] = MessageText(kTextCaption);
        row->flowConnectors[0] = rowDef.flowConnector;
    }
    FillTvRowParams(TvTypeTable);
    return 0;
}
