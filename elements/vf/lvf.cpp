#include "elements/vf/lvf.h"

#include <cstring>
#include <string>

#include "core/description_text.h"
#include "core/text_buffer.h"
#include "core/type_tables.h"
#include "elements/vf/vf_family.h"

int16_t VfKsCodeFor(const double* diameters, int count) {
    for (int i = 0; diameters && i < count; ++i)
        if (diameters[i] > 800.0)
            return kVfKsKs;
    return kVfKsVf;
}

LVf::LVf(uint16_t typeId, int16_t connectorCount, uint16_t valueCount)
    : LObject(kVfFamily, typeId, connectorCount, static_cast<int16_t>(valueCount), TypeRow(kVfFamily, typeId)) {
    for (int i = 0; i < this->connectorCount; ++i) {
        connectors[i] = new LConnector;
        connectors[i]->shape = kShapeRound;
        connectors[i]->owner = this;
    }
}

double LVf::GetDimensionOffset() { return dimensionOffset; }

// The display code with its "VF/KS-" part replaced by the element's prefix.
// A code without that part (VFE-01) has nothing to replace and stands as it is.
static std::string CodeText(const char* code, int16_t vfKs) {
    if ((vfKs != kVfKsVf && vfKs != kVfKsKs) || std::strncmp(code, "VF/KS-", 6) != 0)
        return code;
    const char* number = std::strlen(code) > 6 ? code + 6 : "";
    return std::string(vfKs == kVfKsKs ? "KS-" : "VF-") + number;
}

// One parameter item: the caption's third character from the end names it,
// with a 'd' before it kept ("d1", "d2").
static void AddParamItem(DescriptionText* text, const char* caption, double value) {
    size_t n = std::strlen(caption);
    if (n < 3)
        text->Value(value);
    else if (n >= 4 && caption[n - 4] == 'd')
        text->Size(std::string{'d', caption[n - 3]}.c_str(), value);
    else
        text->Size(std::string(1, caption[n - 3]).c_str(), value);
}

char* LVf::GetDescription() {
    double* values = nullptr;
    if (GetParams(&values) != 0 || !values) {
        delete[] values;
        return NewTextBuffer("", kDescriptionSize);
    }
    DescriptionText text(CodeText(descriptor ? descriptor->displayCode : "", vfKsCode));
    int shown = descriptor ? descriptor->paramCount : 0;
    for (int i = 0; i < shown && i < paramCount; ++i)
        AddParamItem(&text, DescCaption(descriptor, i), values[i]);
    delete[] values;
    return text.NewBuffer();
}
