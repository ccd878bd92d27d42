#include "ui/dcl/tile_text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A number written into a tile holds at most 31 characters.
constexpr int kNumberTextSize = 32;

std::string FormatNumber(const char* format, double value) {
    char text[kNumberTextSize];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

double RoundTileNumber(double x) {
    double whole = std::trunc(x);
    double fraction = std::fabs(x - whole);
    if (fraction > 0.5)
        whole += x < 0 ? -1.0 : 1.0;
    return whole;
}

int ParseTileNumber(const char* text) {
    if (!text)
        return -1;
    double value = -1.0;
    if (std::sscanf(text, "%lf", &value) != 1 || !std::isfinite(value))
        return -1;
    double rounded = RoundTileNumber(value);
    if (rounded < INT_MIN || rounded > INT_MAX)
        return -1;
    return static_cast<int>(rounded);
}

int ParseNumberAfterUnderscores(const char* text, int n) {
    if (!text || n < 0)
        return -1;
    for (int i = 0; i <= n; ++i)
        if (text[i] != '_')
            return -1;
    const char* digits = text + n + 1;
    // Like "%d": blanks and a sign may stand before the digits.
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(digits, &end, 10);
    if (end == digits || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return -1;
    return static_cast<int>(value);
}

std::string FormatTileInt(int value) { return std::to_string(value); }

std::string FormatNumberAfterUnderscores(int value, int n) {
    if (n < 0)
        n = 0;
    std::string text(static_cast<size_t>(n) + 1, '_');
    text += std::to_string(value);
    if (text.size() >= kNumberTextSize)
        text.resize(kNumberTextSize - 1);
    return text;
}

std::string FormatTileDouble(double value) { return FormatNumber("%lg", value); }

std::string FormatTileDouble1(double value) { return FormatNumber("%.1lf", value); }

std::string FormatListDouble(double value) {
    return value == 0.0 ? "0" : FormatNumber("%lg", value);
}

std::string FormatListPercent(double value) {
    return value == 0.0 ? "0" : FormatNumber("%lg%%", value);
}
