#include "shell/text.h"

#include <charconv>
#include <cwchar>

#include "io/io.h"

namespace host::shell {

namespace {

wchar_t upperChar(wchar_t c) {
    if (c >= L'a' && c <= L'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    bool evenUpper = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (evenUpper && (c & 1)) return c - 1;
    bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddUpper && !(c & 1)) return c - 1;
    return c;
}

} // namespace

std::string upper(std::string_view text) {
    std::wstring wide = io::fromUtf8(text);
    for (wchar_t& c : wide) c = upperChar(c);
    return io::toUtf8(wide);
}

bool sameName(std::string_view a, std::string_view b) { return upper(a) == upper(b); }

std::string narrow(const ACHAR* text) {
    if (!text) return {};
    return io::toUtf8(std::wstring_view(text, std::wcslen(text)));
}

bool copyOut(const std::string& utf8, ACHAR* buffer, size_t size) {
    if (!buffer || size == 0) return false;
    std::wstring wide = io::fromUtf8(utf8);
    bool fits = wide.size() < size;
    size_t n = fits ? wide.size() : size - 1;
    wide.copy(buffer, n);
    buffer[n] = 0;
    return fits;
}

std::string formatNumber(double value) {
    if (value == 0) return "0";  // also -0
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

} // namespace host::shell
