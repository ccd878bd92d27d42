#include "core/description_text.h"

#include "core/lobject.h"
#include "core/text_buffer.h"

DescriptionText& DescriptionText::Size(const char* name, double value) {
    text += FormatText("  %s=%lg;", name, value);
    return *this;
}

DescriptionText& DescriptionText::Value(double value) {
    text += FormatText("  %lg;", value);
    return *this;
}

DescriptionText& DescriptionText::Option(const char* item) {
    if (item && item[0]) {
        text += hasOption ? ", " : "  ";
        text += item;
        hasOption = true;
    }
    return *this;
}

char* DescriptionText::NewBuffer() const { return NewTextBuffer(text, kDescriptionSize); }

char* DescriptionText::NewCutBuffer() const { return NewCutTextBuffer(text, kDescriptionSize); }
