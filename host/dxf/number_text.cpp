#include "dxf/number_text.h"

#include <charconv>
#include <cmath>

namespace host::dxf {

namespace {

// Plain decimals such as "400.0" or "-12.5" with at most 15 digits are
// exact as digits / 10^k: one correctly rounded division.
bool parseShortDecimal(std::string_view text, double& value)
{
    static const double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = 0;
    bool negative = text[0] == '-';
    if (negative) ++i;
    uint64_t digits = 0;
    int count = 0, decimals = -1;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            ++count;
            if (decimals >= 0) ++decimals;
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (count == 0 || count > 15) return false;
    value = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
    if (negative) value = -value;
    return true;
}

} // namespace

bool parseDouble(std::string_view text, double& value)
{
    text = trimBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    if (parseShortDecimal(text, value)) return true;
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
    if (text.size() <= 9) {  // cannot overflow: a plain loop
        size_t i = text[0] == '-' ? 1 : 0;
        if (i == text.size()) return false;
        int64_t result = 0;
        for (; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            result = result * 10 + (text[i] - '0');
        }
        value = text[0] == '-' ? -result : result;
        return true;
    }
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
    if (text.size() % 2 != 0) return false;
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
