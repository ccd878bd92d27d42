#include "core/description_text.h"

#include "core/lobject.h"
#include "core/text_buffer.h"

namespace {

// A shift worked out to nothing can be a negative zero; shown as "-0" it
// would part equal pieces into two rows of the bill of materials.
double WithoutNegativeZero(double value) { return value == 0 ? 0.0 : value; }

}  // namespace

DescriptionText& DescriptionText::Size(const char* name, double value) {
    text += FormatText("  %s=%lg;", name, WithoutNegativeZero(value));
    return *this;
}

DescriptionText& DescriptionText::Value(double value) {
    text += FormatText("  %lg;", WithoutNegativeZero(value));
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
