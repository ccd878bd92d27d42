#include "core/message_format.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/messages.h"

namespace {

// One conversion of a format: where it lies and which kind of value it takes.
struct Conversion {
    size_t begin;
    size_t end;  // one past the conversion letter
    MessageArg::Kind kind;
};

bool IsFlag(char c)
{
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips a width or precision; more than three digits (a field of a
// thousand characters or more) is refused.
bool SkipSmallNumber(const char* format, size_t n, size_t& i)
{
    size_t digits = 0;
    while (i < n && IsDigit(format[i])) {
        ++i;
        ++digits;
    }
    return digits <= 3;
}

// Kind of the value that a conversion letter with a length modifier takes;
// false for anything this module does not pass.
bool KindOf(const std::string& length, char letter, MessageArg::Kind& kind)
{
    if (std::strchr("diuoxXc", letter) && (length.empty() || length == "h" || length == "hh")) {
        kind = MessageArg::kInt;
        return true;
    }
    if (std::strchr("fFeEgGaA", letter) && (length.empty() || length == "l")) {
        kind = MessageArg::kDouble;
        return true;
    }
    if (letter == 's' && length.empty()) {
        kind = MessageArg::kText;
        return true;
    }
    return false;
}

// Parses every conversion of `format`; false when one of them is not allowed.
bool ParseConversions(const char* format, std::vector<Conversion>& out)
{
    size_t n = std::strlen(format);
    for (size_t i = 0; i < n; ++i) {
        if (format[i] != '%')
            continue;
        size_t begin = i++;
        if (i < n && format[i] == '%')
            continue;
        while (i < n && IsFlag(format[i]))
            ++i;
        if (!SkipSmallNumber(format, n, i))
            return false;
        if (i < n && format[i] == '.' && !SkipSmallNumber(format, n, ++i))
            return false;
        std::string length;
        while (i < n && (format[i] == 'h' || format[i] == 'l') && length.size() < 2)
            length.push_back(format[i++]);
        if (i >= n)
            return false;
        Conversion conversion{begin, i + 1, MessageArg::kInt};
        if (!KindOf(length, format[i], conversion.kind))
            return false;
        out.push_back(conversion);
    }
    return true;
}

// Formats one checked conversion with its value.
std::string FormatOne(const std::string& conversionText, const MessageArg& arg)
{
    char small[64];
    int needed = 0;
    switch (arg.kind) {
    case MessageArg::kInt: needed = std::snprintf(small, sizeof small, conversionText.c_str(), arg.i); break;
    case MessageArg::kDouble: needed = std::snprintf(small, sizeof small, conversionText.c_str(), arg.d); break;
    case MessageArg::kText: needed = std::snprintf(small, sizeof small, conversionText.c_str(), arg.s); break;
    }
    if (needed < 0)
        return std::string();
    if (static_cast<size_t>(needed) < sizeof small)
        return std::string(small, static_cast<size_t>(needed));
    std::vector<char> big(static_cast<size_t>(needed) + 1);
    switch (arg.kind) {
    case MessageArg::kInt: std::snprintf(big.data(), big.size(), conversionText.c_str(), arg.i); break;
    case MessageArg::kDouble: std::snprintf(big.data(), big.size(), conversionText.c_str(), arg.d); break;
    case MessageArg::kText: std::snprintf(big.data(), big.size(), conversionText.c_str(), arg.s); break;
    }
    return std::string(big.data(), static_cast<size_t>(needed));
}

// The literal part of a format: "%%" becomes one percent sign.
void AppendLiteral(std::string& out, const char* format, size_t begin, size_t end)
{
    for (size_t i = begin; i < end; ++i) {
        out.push_back(format[i]);
        if (format[i] == '%' && i + 1 < end && format[i + 1] == '%')
            ++i;
    }
}

std::string FormatApart(const char* text, std::initializer_list<MessageArg> args)
{
    std::string out = text;
    bool lineFeed = !out.empty() && out.back() == '\n';
    if (lineFeed)
        out.pop_back();
    for (const MessageArg& arg : args) {
        out.push_back(' ');
        switch (arg.kind) {
        case MessageArg::kInt: out += FormatOne("%d", arg); break;
        case MessageArg::kDouble: out += FormatOne("%g", arg); break;
        case MessageArg::kText: out += arg.s; break;
        }
    }
    if (lineFeed)
        out.push_back('\n');
    return out;
}

bool Matches(const std::vector<Conversion>& conversions, std::initializer_list<MessageArg> args)
{
    if (conversions.size() != args.size())
        return false;
    size_t k = 0;
    for (const MessageArg& arg : args)
        if (conversions[k++].kind != arg.kind)
            return false;
    return true;
}

} // namespace

bool MessageFormatMatches(const char* format, std::initializer_list<MessageArg> args)
{
    std::vector<Conversion> conversions;
    return format && ParseConversions(format, conversions) && Matches(conversions, args);
}

std::string FormatMessageText(const char* format, std::initializer_list<MessageArg> args)
{
    if (!format)
        format = "";
    std::vector<Conversion> conversions;
    if (!ParseConversions(format, conversions) || !Matches(conversions, args))
        return FormatApart(format, args);

    std::string out;
    size_t literalBegin = 0;
    size_t k = 0;
    for (const MessageArg& arg : args) {
        const Conversion& conversion = conversions[k++];
        AppendLiteral(out, format, literalBegin, conversion.begin);
        std::string conversionText(format + conversion.begin, conversion.end - conversion.begin);
        out += FormatOne(conversionText, arg);
        literalBegin = conversion.end;
    }
    AppendLiteral(out, format, literalBegin, std::strlen(format));
    return out;
}

std::string FormatMessageNumber(int number, std::initializer_list<MessageArg> args)
{
    return FormatMessageText(MessageText(number), args);
}
