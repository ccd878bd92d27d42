#include "core/string_convert.h"

#include "io/io.h"

std::string ToNarrowString(const wchar_t* text) {
    return text ? host::io::toUtf8(text) : std::string();
}

std::string StringToNarrow(std::wstring text) { return host::io::toUtf8(text); }

std::wstring ToWide(const char* text) {
    return text ? host::io::fromUtf8(text) : std::wstring();
}

size_t ToWideString(const char* text, wchar_t* out, size_t outSize) {
    if (!out || outSize == 0)
        return 0;
    std::wstring wide = ToWide(text);
    size_t n = wide.size() < outSize - 1 ? wide.size() : outSize - 1;
    wide.copy(out, n);
    out[n] = L'\0';
    return n;
}
