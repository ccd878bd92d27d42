// Rows of the fans, heaters and filters: five parameters for the
// rectangular types, four for the round (d) ones; one airflow entry on
// connector 0.
#include "elements/msc/msc_type_table.h"

#include "core/catalogue_strings.h"
#include "core/messages.h"

LTypeDescriptor MscTypeTable[kMscTypeCount];

namespace {

struct MscParam {
    int16_t caption;
    int16_t kind;
};

struct MscRowSpec {
    const char* dialogKey;
    int16_t paramCount;
    MscParam params[5];
};

// a, b, l, free text, and the type's value (pressure, power or a second text).
constexpr MscParam kA = {75, kParamFree}, kB = {76, kParamFree}, kL = {90, kParamFree};
constexpr MscParam kD = {83, kParamDiameter}, kText = {99, kParamText};
constexpr MscParam kPressure = {127, kParamFree}, kPower = {128, kParamFree};
constexpr MscParam kText2 = {117, kParamText};

const MscRowSpec kFanRect = {"prop_msc_n5a", 5, {kA, kB, kL, kText, kPressure}};
const MscRowSpec kFanRound = {"prop_msc_n4a", 4, {kD, kL, kText, kPressure}};
const MscRowSpec kHeaterRect = {"prop_msc_n5b", 5, {kA, kB, kL, kText, kPower}};
const MscRowSpec kHeaterRound = {"prop_msc_n4b", 4, {kD, kL, kText, kPower}};
const MscRowSpec kFilterRect = {"prop_msc_n5b", 5, {kA, kB, kL, kText, kText2}};
const MscRowSpec kFilterRound = {"prop_msc_n4b", 4, {kD, kL, kText, kText2}};

const MscRowSpec* const kRows[kMscTypeCount] = {
    &kFanRect,    &kFanRound,    &kHeaterRect, &kHeaterRect,  &kHeaterRect,  &kHeaterRound,
    &kHeaterRound, &kHeaterRound, &kFilterRect, &kFilterRound, &kFilterRect, &kFilterRound,
};

}  // namespace

int16_t InitMscTypeTable() {
    for (int i = 0; i < kMscTypeCount; ++i) {
        const MscRowSpec& rowDef = *kRows[i];
        LTypeDescriptor* row = &MscTypeTable[i];
        AllocDescriptorArrays(row, rowDef.paramCount, 1, kParamFree, StandardDiameters);
        row->dialogKey = rowDef.dialogKey;
        row->message = MessageText(0);
        row->cataloguePage = CataloguePageOf(5, i + 1);
        row->displayCode = TypeNameOf(5, i + 1);
        row->slideName = BlockNameOf(5, i + 1);
        row->blockPrefix = BlockPrefixOf(5, i + 1);
        for (int k = 0; k < rowDef.paramCount; ++k) {
            row->kinds[k] = rowDef.params[k].kind;
            row->captions[k] = MessageText(rowDef.params[k].caption);
        }
        row->flowConnectors[0] = 0;
    }
    return 0;
}
