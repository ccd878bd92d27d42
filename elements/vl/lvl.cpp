#include "elements/vl/lvl.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/text_buffer.h"
#include "core/type_tables.h"
#include "elements/vl/vl_family.h"

LVl::LVl(int16_t typeId, int16_t connectorCount, uint16_t valueCount)
    : LObject(kVlFamily, static_cast<uint16_t>(typeId), connectorCount,
              static_cast<int16_t>(valueCount), TypeRow(kVlFamily, typeId)) {
    for (int i = 0; i < this->connectorCount; ++i) {
        connectors[i] = new LConnector;
        connectors[i]->shape = kShapeRect;
        connectors[i]->owner = this;
    }
}

double LVl::GetDimensionOffset() { return endMarkSize; }

char* LVl::GetDescription() {
    double* values = nullptr;
    if (GetParams(&values) != 0 || !values) {
        delete[] values;
        return NewTextBuffer("", kDescriptionSize);
    }
    const LTypeDescriptor* row = descriptor;
    std::string text = row ? row->displayCode : "";
    int shown = row ? row->paramCount : 0;
    for (int i = 0; i < shown && i < paramCount; ++i) {
        const char* caption = DescCaption(row, i);
        size_t len = std::strlen(caption);
        if (len <= 3)
            text += FormatText("  %lg;", values[i]);
        else
            text += FormatText("  %c=%lg;", caption[len - 3], values[i]);
    }
    int lp = row ? row->switchParam : -1;
    if (lp >= 0 && lp < paramCount)
        text += values[lp] == 1.0 ? "  lp=1;" : "  lp=0;";
    delete[] values;
    return NewTextBuffer(text, kDescriptionSize);
}
