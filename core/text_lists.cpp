#include "core/text_lists.h"

#include "core/text_buffer.h"

void AppendItem(std::string* name, const char* item) {
    if (item && item[0]) {
        *name += '+';
        *name += item;
    }
}

std::string RectSizeText(double width, double height) {
    return FormatText("%lg x %lg", width, height);
}

std::string RoundSizeText(double diameter) { return FormatText("\\U+2205%lg", diameter); }
