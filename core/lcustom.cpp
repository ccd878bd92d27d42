#include "core/lcustom.h"

#include "core/text_buffer.h"
#include "core/type_tables.h"

LCustom::LCustom() : LObject(kCustomFamilyCode, 1, 0, 1, TypeRow(kCustomFamilyCode, 1)) {
    SetParamIsText(0);
    kind = kKindUserBlock;
}

int16_t LCustom::MakeBlock(char* blockName) {
    if (blockName)
        blockName[0] = '\0';
    return 0;
}

int16_t LCustom::MarkFixedParams(int16_t*) { return -1; }

int16_t LCustom::GetParams(double** values) {
    if (!values)
        return -1;
    *values = new double[1]{0.0};
    return 0;
}

int16_t LCustom::SetParams(const double*) { return 0; }

double LCustom::GetDimensionOffset() { return 45.0; }

char* LCustom::GetDescription() {
    std::string name = GetParamText(0);
    return NewTextBuffer(name.empty() ? "<CUSTOM OBJECT>" : name, 0);
}

int16_t LCustom::UpdateLabel() { return 0; }
