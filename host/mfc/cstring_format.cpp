// The wide printf behind CString::Format, with the platform's meaning of
// %s (wide) and %S (narrow).  Numbers go through snprintf one conversion at
// a time; strings and characters are padded here.  %n writes nothing.
#include "mfc_string.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "io/io.h"

namespace host::mfc {

namespace {

// Widths and precisions beyond this are cut: a stray "%999999999d" in a
// message text must not allocate gigabytes.
constexpr int kMaxWidth = 1024;

enum class Length { None, Char, Short, Long, LongLong, LongDouble, Size, Max, Diff, Wide };

struct FormatField {
    std::string flags;
    int width = -1;
    int precision = -1;
    Length length = Length::None;
    wchar_t conversion = 0;
    bool leftAlign() const { return flags.find('-') != std::string::npos; }
};

int readNumber(const wchar_t*& p) {
    long n = 0;
    while (*p >= L'0' && *p <= L'9') {
        if (n <= kMaxWidth) n = n * 10 + (*p - L'0');
        ++p;
    }
    return static_cast<int>(n > kMaxWidth ? kMaxWidth : n);
}

int clampWidth(int n) { return n > kMaxWidth ? kMaxWidth : n; }

Length readLength(const wchar_t*& p) {
    switch (*p) {
    case L'h':
        ++p;
        if (*p == L'h') {
            ++p;
            return Length::Char;
        }
        return Length::Short;
    case L'l':
        ++p;
        if (*p == L'l') {
            ++p;
            return Length::LongLong;
        }
        return Length::Long;
    case L'L': ++p; return Length::LongDouble;
    case L'z': ++p; return Length::Size;
    case L'j': ++p; return Length::Max;
    case L't': ++p; return Length::Diff;
    case L'w': ++p; return Length::Wide;
    case L'I':
        ++p;
        if (p[0] == L'6' && p[1] == L'4') {
            p += 2;
            return Length::LongLong;
        }
        if (p[0] == L'3' && p[1] == L'2') {
            p += 2;
            return Length::None;
        }
        return Length::Size;
    default: return Length::None;
    }
}

// Pads text to the format's width.
void appendPadded(std::wstring& out, std::wstring_view text, const FormatField& format) {
    size_t width = format.width > 0 ? static_cast<size_t>(format.width) : 0;
    size_t pad = width > text.size() ? width - text.size() : 0;
    if (!format.leftAlign()) out.append(pad, L' ');
    out += text;
    if (format.leftAlign()) out.append(pad, L' ');
}

std::string narrowFormat(const FormatField& format, const char* lengthText, char conversion) {
    std::string s = "%" + format.flags;
    if (format.width >= 0) s += std::to_string(format.width);
    if (format.precision >= 0) s += "." + std::to_string(format.precision);
    s += lengthText;
    s += conversion;
    return s;
}

template <typename T>
void appendNumber(std::wstring& out, const FormatField& format, const char* lengthText, T value) {
    std::string f = narrowFormat(format, lengthText, static_cast<char>(format.conversion));
    int n = std::snprintf(nullptr, 0, f.c_str(), value);
    if (n < 0) return;
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), f.c_str(), value);
    text.resize(static_cast<size_t>(n));
    out += host::io::fromUtf8(text);
}

void appendSigned(std::wstring& out, const FormatField& format, va_list& args) {
    switch (format.length) {
    case Length::Long: appendNumber(out, format, "l", va_arg(args, long)); break;
    case Length::LongLong: appendNumber(out, format, "ll", va_arg(args, long long)); break;
    case Length::Size: appendNumber(out, format, "z", va_arg(args, size_t)); break;
    case Length::Max: appendNumber(out, format, "j", va_arg(args, intmax_t)); break;
    case Length::Diff: appendNumber(out, format, "t", va_arg(args, ptrdiff_t)); break;
    case Length::Char: appendNumber(out, format, "hh", va_arg(args, int)); break;
    case Length::Short: appendNumber(out, format, "h", va_arg(args, int)); break;
    default: appendNumber(out, format, "", va_arg(args, int)); break;
    }
}

void appendUnsigned(std::wstring& out, const FormatField& format, va_list& args) {
    switch (format.length) {
    case Length::Long: appendNumber(out, format, "l", va_arg(args, unsigned long)); break;
    case Length::LongLong: appendNumber(out, format, "ll", va_arg(args, unsigned long long)); break;
    case Length::Size: appendNumber(out, format, "z", va_arg(args, size_t)); break;
    case Length::Max: appendNumber(out, format, "j", va_arg(args, uintmax_t)); break;
    case Length::Diff: appendNumber(out, format, "t", va_arg(args, ptrdiff_t)); break;
    case Length::Char: appendNumber(out, format, "hh", va_arg(args, unsigned int)); break;
    case Length::Short: appendNumber(out, format, "h", va_arg(args, unsigned int)); break;
    default: appendNumber(out, format, "", va_arg(args, unsigned int)); break;
    }
}

void appendFloating(std::wstring& out, const FormatField& format, va_list& args) {
    if (format.length == Length::LongDouble)
        appendNumber(out, format, "L", va_arg(args, long double));
    else
        appendNumber(out, format, "", va_arg(args, double));
}

// %s and %ls/%ws are wide; %S and %hs narrow (UTF-8).
void appendString(std::wstring& out, const FormatField& format, va_list& args) {
    bool narrow = format.length == Length::Short || (format.conversion == L'S' && format.length != Length::Long &&
                                                   format.length != Length::Wide);
    std::wstring text;
    if (narrow) {
        const char* s = va_arg(args, const char*);
        text = s ? host::io::fromUtf8(format.precision >= 0 ? std::string(s, strnlen(s, format.precision)) : s)
                 : L"(null)";
    } else {
        const wchar_t* s = va_arg(args, const wchar_t*);
        if (!s) s = L"(null)";
        text = format.precision >= 0 ? std::wstring(s, wcsnlen(s, static_cast<size_t>(format.precision)))
                                   : std::wstring(s);
    }
    appendPadded(out, text, format);
}

void appendChar(std::wstring& out, const FormatField& format, va_list& args) {
    bool narrow = format.length == Length::Short || (format.conversion == L'C' && format.length != Length::Long &&
                                                   format.length != Length::Wide);
    int value = va_arg(args, int);
    wchar_t ch = narrow ? static_cast<wchar_t>(static_cast<unsigned char>(value)) : static_cast<wchar_t>(value);
    appendPadded(out, std::wstring_view(&ch, 1), format);
}

// Reads one conversion after its '%'; false when it is not one (the text
// is then copied as it stands).
bool readFormatField(const wchar_t*& p, FormatField& format, va_list& args) {
    while (*p && std::wcschr(L"-+ #0", *p)) format.flags += static_cast<char>(*p++);
    if (*p == L'*') {
        ++p;
        int w = va_arg(args, int);
        if (w < 0) {
            format.flags += '-';
            w = -w;
        }
        format.width = clampWidth(w);
    } else if (*p >= L'0' && *p <= L'9') {
        format.width = readNumber(p);
    }
    if (*p == L'.') {
        ++p;
        if (*p == L'*') {
            ++p;
            int prec = va_arg(args, int);
            format.precision = prec < 0 ? -1 : clampWidth(prec);
        } else {
            format.precision = readNumber(p);
        }
    }
    format.length = readLength(p);
    if (!*p) return false;
    format.conversion = *p++;
    return true;
}

} // namespace

std::wstring formatWide(const wchar_t* format, va_list argsIn) {
    std::wstring out;
    if (!format) return out;
    va_list args;
    va_copy(args, argsIn);
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        FormatField format;
        if (!readFormatField(p, format, args)) {
            out.append(start, p);
            break;
        }
        switch (format.conversion) {
        case L'd': case L'i': appendSigned(out, format, args); break;
        case L'u': case L'o': case L'x': case L'X': appendUnsigned(out, format, args); break;
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G': case L'a': case L'A':
            appendFloating(out, format, args);
            break;
        case L's': case L'S': appendString(out, format, args); break;
        case L'c': case L'C': appendChar(out, format, args); break;
        case L'p': appendNumber(out, format, "", va_arg(args, void*)); break;
        case L'n': (void)va_arg(args, void*); break;
        default: out.append(start, p); break;
        }
    }
    va_end(args);
    return out;
}

std::wstring formatWideArgs(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring text = formatWide(format, args);
    va_end(args);
    return text;
}

} // namespace host::mfc
