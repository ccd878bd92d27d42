#include "core/text_buffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

char* NewTextBuffer(const std::string& text, size_t leastSize) {
    size_t size = text.size() + 1 > leastSize ? text.size() + 1 : leastSize;
    char* out = new char[size]();
    std::memcpy(out, text.c_str(), text.size() + 1);
    return out;
}

char* NewCutTextBuffer(const std::string& text, size_t size) {
    if (size == 0)
        size = 1;
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    // Back off over continuation bytes to the start of the cut character.
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    char* out = new char[size]();
    std::memcpy(out, text.data(), n);
    return out;
}

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(n));
    }
    va_end(again);
    return out;
}
