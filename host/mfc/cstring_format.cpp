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

struct Spec {
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

// Pads text to the spec's width.
void appendPadded(std::wstring& out, std::wstring_view text, const Spec& spec) {
    size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 0;
    size_t pad = width > text.size() ? width - text.size() : 0;
    if (!spec.leftAlign()) out.append(pad, L' ');
    out += text;
    if (spec.leftAlign()) out.append(pad, L' ');
}

std::string narrowSpec(const Spec& spec, const char* lengthText, char conversion) {
    std::string s = "%" + spec.flags;
    if (spec.width >= 0) s += std::to_string(spec.width);
    if (spec.precision >= 0) s += "." + std::to_string(spec.precision);
    s += lengthText;
    s += conversion;
    return s;
}

template <typename T>
void appendNumber(std::wstring& out, const Spec& spec, const char* lengthText, T value) {
    std::string f = narrowSpec(spec, lengthText, static_cast<char>(spec.conversion));
    int n = std::snprintf(nullptr, 0, f.c_str(), value);
    if (n < 0) return;
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), f.c_str(), value);
    text.resize(static_cast<size_t>(n));
    out += host::io::fromUtf8(text);
}

void appendSigned(std::wstring& out, const Spec& spec, va_list& args) {
    switch (spec.length) {
    case Length::Long: appendNumber(out, spec, "l", va_arg(args, long)); break;
    case Length::LongLong: appendNumber(out, spec, "ll", va_arg(args, long long)); break;
    case Length::Size: appendNumber(out, spec, "z", va_arg(args, size_t)); break;
    case Length::Max: appendNumber(out, spec, "j", va_arg(args, intmax_t)); break;
    case Length::Diff: appendNumber(out, spec, "t", va_arg(args, ptrdiff_t)); break;
    case Length::Char: appendNumber(out, spec, "hh", va_arg(args, int)); break;
    case Length::Short: appendNumber(out, spec, "h", va_arg(args, int)); break;
    default: appendNumber(out, spec, "", va_arg(args, int)); break;
    }
}

void appendUnsigned(std::wstring& out, const Spec& spec, va_list& args) {
    switch (spec.length) {
    case Length::Long: appendNumber(out, spec, "l", va_arg(args, unsigned long)); break;
    case Length::LongLong: appendNumber(out, spec, "ll", va_arg(args, unsigned long long)); break;
    case Length::Size: appendNumber(out, spec, "z", va_arg(args, size_t)); break;
    case Length::Max: appendNumber(out, spec, "j", va_arg(args, uintmax_t)); break;
    case Length::Diff: appendNumber(out, spec, "t", va_arg(args, ptrdiff_t)); break;
    case Length::Char: appendNumber(out, spec, "hh", va_arg(args, unsigned int)); break;
    case Length::Short: appendNumber(out, spec, "h", va_arg(args, unsigned int)); break;
    default: appendNumber(out, spec, "", va_arg(args, unsigned int)); break;
    }
}

void appendFloating(std::wstring& out, const Spec& spec, va_list& args) {
    if (spec.length == Length::LongDouble)
        appendNumber(out, spec, "L", va_arg(args, long double));
    else
        appendNumber(out, spec, "", va_arg(args, double));
}

// %s and %ls/%ws are wide; %S and %hs narrow (UTF-8).
void appendString(std::wstring& out, const Spec& spec, va_list& args) {
    bool narrow = spec.length == Length::Short || (spec.conversion == L'S' && spec.length != Length::Long &&
                                                   spec.length != Length::Wide);
    std::wstring text;
    if (narrow) {
        const char* s = va_arg(args, const char*);
        text = s ? host::io::fromUtf8(spec.precision >= 0 ? std::string(s, strnlen(s, spec.precision)) : s)
                 : L"(null)";
    } else {
        const wchar_t* s = va_arg(args, const wchar_t*);
        if (!s) s = L"(null)";
        text = spec.precision >= 0 ? std::wstring(s, wcsnlen(s, static_cast<size_t>(spec.precision)))
                                   : std::wstring(s);
    }
    appendPadded(out, text, spec);
}

void appendChar(std::wstring& out, const Spec& spec, va_list& args) {
    bool narrow = spec.length == Length::Short || (spec.conversion == L'C' && spec.length != Length::Long &&
                                                   spec.length != Length::Wide);
    int value = va_arg(args, int);
    wchar_t ch = narrow ? static_cast<wchar_t>(static_cast<unsigned char>(value)) : static_cast<wchar_t>(value);
    appendPadded(out, std::wstring_view(&ch, 1), spec);
}

// Reads one conversion after its '%'; false when it is not one (the text
// is then copied as it stands).
bool readSpec(const wchar_t*& p, Spec& spec, va_list& args) {
    while (*p && std::wcschr(L"-+ #0", *p)) spec.flags += static_cast<char>(*p++);
    if (*p == L'*') {
        ++p;
        int w = va_arg(args, int);
        if (w < 0) {
            spec.flags += '-';
            w = -w;
        }
        spec.width = clampWidth(w);
    } else if (*p >= L'0' && *p <= L'9') {
        spec.width = readNumber(p);
    }
    if (*p == L'.') {
        ++p;
        if (*p == L'*') {
            ++p;
            int prec = va_arg(args, int);
            spec.precision = prec < 0 ? -1 : clampWidth(prec);
        } else {
            spec.precision = readNumber(p);
        }
    }
    spec.length = readLength(p);
    if (!*p) return false;
    spec.conversion = *p++;
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
        Spec spec;
        if (!readSpec(p, spec, args)) {
            out.append(start, p);
            break;
        }
        switch (spec.conversion) {
        case L'd': case L'i': appendSigned(out, spec, args); break;
        case L'u': case L'o': case L'x': case L'X': appendUnsigned(out, spec, args); break;
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G': case L'a': case L'A':
            appendFloating(out, spec, args);
            break;
        case L's': case L'S': appendString(out, spec, args); break;
        case L'c': case L'C': appendChar(out, spec, args); break;
        case L'p': appendNumber(out, spec, "", va_arg(args, void*)); break;
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
