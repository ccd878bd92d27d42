#include "elements/vl/lvl.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/description_text.h"
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

void LVl::BindConnectors(std::initializer_list<ConnectorBinding> rows) {
    int i = 0;
    for (const ConnectorBinding& row : rows) {
        if (i >= connectorCount)
            break;
        connectors[i]->side = row.side;
        connectors[i]->paramA = row.width;
        connectors[i]->paramB = row.height;
        ++i;
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
    DescriptionText text(row ? row->displayCode : "");
    int shown = row ? row->paramCount : 0;
    for (int i = 0; i < shown && i < paramCount; ++i) {
        // The caption's third character from the end names the value.
        const char* caption = DescCaption(row, i);
        size_t len = std::strlen(caption);
        if (len <= 3)
            text.Value(values[i]);
        else
            text.Size(std::string(1, caption[len - 3]).c_str(), values[i]);
    }
    int lp = row ? row->switchParam : -1;
    if (lp >= 0 && lp < paramCount)
        text.Size("lp", values[lp] == 1.0 ? 1 : 0);
    delete[] values;
    return text.NewBuffer();
}
