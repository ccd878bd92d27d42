// Airflow texts and the default bill-of-materials row of an element.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "core/bom_builder.h"
#include "core/lobject.h"
#include "core/text_buffer.h"

// Airflow over an area in mm^2 gives m/s with this factor.
constexpr double kVelocityFactor = 277.0;

static std::string FlowEntry(const char* name, double flowValue, double area) {
    char buf[160];
    if (area != 0.0 && flowValue != 0.0)
        std::snprintf(buf, sizeof buf, "V%s=%lg m3/h;  v%s=%.1lf m/s;", name, flowValue, name,
                      kVelocityFactor * flowValue / area);
    else
        std::snprintf(buf, sizeof buf, "V%s=%lg m3/h;  v%s=0 m/s;", name, flowValue, name);
    return buf;
}

static std::string OwnFlow(double flowValue) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "V=%lg m3/h;", flowValue);
    return buf;
}

static void CopyCut(char* out, size_t outSize, const std::string& text) {
    if (!out || outSize == 0)
        return;
    size_t n = text.size() < outSize - 1 ? text.size() : outSize - 1;
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

int16_t LObject::FormatFlowText(char* out, size_t outSize, const char* name, double area) {
    CopyCut(out, outSize, FlowEntry(name ? name : "", flow, area));
    return 0;
}

int16_t LObject::FormatConnectorFlowText(char* out, size_t outSize, const char* name,
                                         const LConnector* c) {
    if (!c) {
        CopyCut(out, outSize, "");
        return 0;
    }
    CopyCut(out, outSize, FlowEntry(name ? name : "", c->flow, c->GetArea()));
    return 0;
}

// The short name in a caption: the text between its first "(" and the next
// ")"; "" when there is none.
static std::string ShortName(const char* caption) {
    const char* open = std::strchr(caption, '(');
    if (!open)
        return std::string();
    const char* close = std::strchr(open + 1, ')');
    if (!close)
        return std::string();
    return std::string(open + 1, close);
}

char* LObject::GetFlowText() {
    if (!descriptor || descriptor->flowCount <= 0)
        return nullptr;
    if (kind & kKindOwnFlow)
        return NewTextBuffer(OwnFlow(flow), kFlowTextSize);
    if (HasTypeFlag(descriptor, kTypeSeparateInlets)) {
        // What its inlets carry together, whichever of them is fed.
        double sum = 0.0;
        for (int16_t k = 0; k < connectorCount; ++k)
            if (const LConnector* c = GetConnector(k))
                sum += c->flow;
        return NewTextBuffer(OwnFlow(sum), kFlowTextSize);
    }
    if (HasTypeFlag(descriptor, kTypeFlowOfFirstConnector) && GetConnector(0))
        return NewTextBuffer(OwnFlow(GetConnector(0)->flow), kFlowTextSize);
    std::string text;
    for (int i = 0; i < descriptor->flowCount; ++i) {
        // An entry without a connector of this element (the custom element's
        // row names none) shows the element's own airflow.
        const LConnector* c = GetConnector(DescFlowConnector(descriptor, i));
        if (c) {
            std::string name = ShortName(DescCaption(descriptor, c->paramA));
            if (c->paramB >= 0)
                name += "x" + ShortName(DescCaption(descriptor, c->paramB));
            text += FlowEntry(name.c_str(), c->flow, c->GetArea());
        } else {
            text += OwnFlow(flow);
        }
        if (i + 1 < descriptor->flowCount)
            text += "  ";
    }
    return NewTextBuffer(text, kFlowTextSize);
}

int16_t LObject::GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                             uint16_t* extraRows) {
    std::unique_ptr<char[]> description(GetDescription());
    if (!description)
        return -1;
    BomBuilder bom;
    bom.Add(1, description.get(), GetFlowText());
    return bom.HandOut(rows, count, further, extraRows);
}

void FreeBomRows(LBomRow* rows, int count) {
    for (int i = 0; rows && i < count; ++i) {
        delete[] rows[i].description;
        delete[] rows[i].flowText;
    }
    delete[] rows;
}
