#include "dxf/number_text.h"

#include <charconv>
#include <cmath>

namespace host::dxf {

std::string_view trimBlanks(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

bool parseDouble(std::string_view text, double& value)
{
    text = trimBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    // Infinity and NaN are not DXF numbers.
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

bool parseInteger(std::string_view text, int64_t& value)
{
    text = trimBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool parseHex(std::string_view text, uint64_t& value)
{
    text = trimBlanks(text);
    value = 0;
    if (text.empty()) return true;
    if (text.size() > 16) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    return ec == std::errc() && ptr == end;
}

bool isHexText(std::string_view text)
{
    for (char c : text) {
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) return false;
    }
    return true;
}

void appendDouble(std::string& out, double value)
{
    char buffer[32];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) {  // cannot happen for a double and 32 chars
        out += '0';
        return;
    }
    out.append(buffer, ptr);
    // "1" or "-25" needs ".0"; "1e+20", "0.5" and "nan" do not.
    for (const char* p = buffer; p != ptr; ++p)
        if (*p == '.' || *p == 'e' || *p == 'n') return;
    out += ".0";
}

void appendInteger(std::string& out, int64_t value)
{
    char buffer[24];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? ptr : buffer);
}

void appendHex(std::string& out, uint64_t value)
{
    char buffer[20];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    for (char* p = buffer; p != ptr; ++p)
        if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
    out.append(buffer, ec == std::errc() ? ptr : buffer);
}

std::string hexText(uint64_t value)
{
    std::string out;
    appendHex(out, value);
    return out;
}

} // namespace host::dxf
