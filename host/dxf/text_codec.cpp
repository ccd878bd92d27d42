#include "dxf/text_codec.h"

#include <cstdint>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <iterator>

namespace host::dxf {

struct CodePage {
    const char* name;
    uint16_t upper[128];  // code points of bytes 0x80-0xFF (single-byte pages)
    // Double-byte pages: the system converter's name; their characters go
    // through it.
    const char* converter = nullptr;
    int mbcsNumber = 0;  // n of the \M+nXXXX escape that names the page
};

namespace {

const CodePage kCodePages[] = {
#include "code_page_tables.inc"
    {"ANSI_932", {}, "CP932", 1},
    {"ANSI_950", {}, "CP950", 2},
    {"ANSI_949", {}, "CP949", 3},
    {"ANSI_936", {}, "CP936", 5},
};

constexpr size_t kCodePageCount = sizeof kCodePages / sizeof kCodePages[0];

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

void appendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

size_t readUtf8(std::string_view text, size_t i, uint32_t& cp)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    cp = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "\U+XXXX" at text[i]: its code point, or -1.
int32_t escapeAt(std::string_view text, size_t i)
{
    if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') || text[i + 2] != '+')
        return -1;
    int32_t cp = 0;
    for (size_t k = i + 3; k < i + 7; ++k) {
        int digit = hexDigit(text[k]);
        if (digit < 0) return -1;
        cp = cp * 16 + digit;
    }
    return cp;
}

// Caret form "^X" at text[i] of a control character, or "^ " of a caret: the character, or -1.
int caretAt(std::string_view text, size_t i)
{
    if (text[i] != '^' || i + 1 >= text.size()) return -1;
    char next = text[i + 1];
    if (next == ' ') return '^';
    if (next >= '@' && next <= '_') return next - '@';
    return -1;
}

bool needsDecoding(std::string_view raw, bool codePageFile)
{
    for (char c : raw) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || c == '^' || (codePageFile && c == '\\')) return true;
    }
    return false;
}

uint32_t byteToCodePoint(unsigned char byte, const CodePage* page)
{
    return byte < 0x80 ? byte : page->upper[byte - 0x80];
}

// The system's converters between a double-byte page and UTF-8, one pair
// per thread and page (a converter keeps state, so threads do not share).
struct Converters {
    const CodePage* page = nullptr;
    iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
    iconv_t fromUtf8 = reinterpret_cast<iconv_t>(-1);
};

class ConverterCache {
public:
    ~ConverterCache()
    {
        for (Converters& c : pairs_) {
            if (c.toUtf8 != kNone) iconv_close(c.toUtf8);
            if (c.fromUtf8 != kNone) iconv_close(c.fromUtf8);
        }
    }
    Converters& of(const CodePage* page)
    {
        for (Converters& c : pairs_)
            if (c.page == page) return c;
        Converters& c = pairs_[next_];
        next_ = (next_ + 1) % std::size(pairs_);
        if (c.toUtf8 != kNone) iconv_close(c.toUtf8);
        if (c.fromUtf8 != kNone) iconv_close(c.fromUtf8);
        c.page = page;
        c.toUtf8 = iconv_open("UTF-8", page->converter);
        c.fromUtf8 = iconv_open(page->converter, "UTF-8");
        return c;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    Converters pairs_[4];
    size_t next_ = 0;
};

Converters& convertersOf(const CodePage* page)
{
    static thread_local ConverterCache cache;
    return cache.of(page);
}

// Converts `in` with a converter, appending to `out`; false when it holds
// what the other side cannot take.
bool convert(iconv_t converter, std::string_view in, std::string& out)
{
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* from = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* to = buffer;
        size_t room = sizeof buffer;
        size_t done = iconv(converter, &from, &left, &to, &room);
        out.append(buffer, static_cast<size_t>(to - buffer));
        if (done == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
}

// Whether a byte opens a two-byte character of a double-byte page.
bool isLeadByte(unsigned char byte, const CodePage* page)
{
    if (page->mbcsNumber == 1) return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return byte >= 0x81 && byte <= 0xFE;
}

// The page of an \M+n escape's number.
const CodePage* pageOfMbcsNumber(int number)
{
    for (const CodePage& page : kCodePages)
        if (page.converter && page.mbcsNumber == number) return &page;
    return nullptr;
}

// "\M+nXXXX" at text[i], a character of a double-byte page by its two
// bytes, as older writers put characters outside the file's own page:
// appended as UTF-8, and true.
bool appendMbcsEscape(std::string_view text, size_t i, std::string& out)
{
    if (i + 9 > text.size() || text[i] != '\\' || (text[i + 1] != 'M' && text[i + 1] != 'm') || text[i + 2] != '+')
        return false;
    const CodePage* page = pageOfMbcsNumber(text[i + 3] - '0');
    int value = 0;
    for (size_t k = i + 4; k < i + 8; ++k) {
        int digit = hexDigit(text[k]);
        if (digit < 0) return false;
        value = value * 16 + digit;
    }
    if (!page) return false;
    char bytes[2] = {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
    size_t before = out.size();
    if (convert(convertersOf(page).toUtf8, std::string_view(bytes, 2), out)) return true;
    out.resize(before);
    return false;
}

// The character of a double-byte page at raw[i] (one or two bytes),
// appended as UTF-8; bytes the page does not define keep their ANSI_1252
// meaning, so that none is lost.  Returns the bytes taken.
size_t appendWideCharacter(std::string_view raw, size_t i, const CodePage* page, std::string& out)
{
    auto byte = static_cast<unsigned char>(raw[i]);
    size_t length = isLeadByte(byte, page) && i + 1 < raw.size() ? 2 : 1;
    size_t before = out.size();
    if (convert(convertersOf(page).toUtf8, raw.substr(i, length), out)) return length;
    out.resize(before);
    appendUtf8(out, byteToCodePoint(byte, defaultCodePage()));
    return 1;
}

} // namespace

const CodePage* findCodePage(std::string_view name)
{
    for (size_t i = 0; i < kCodePageCount; ++i)
        if (equalsIgnoringCase(name, kCodePages[i].name)) return &kCodePages[i];
    return nullptr;
}

const char* codePageName(const CodePage* page)
{
    return page->name;
}

const CodePage* defaultCodePage()
{
    return findCodePage("ANSI_1252");
}

std::string_view decodeText(std::string_view raw, const TextEncoding& encoding, std::string& scratch)
{
    const CodePage* page = encoding.codePage;
    if (!needsDecoding(raw, page != nullptr)) return raw;
    scratch.clear();
    for (size_t i = 0; i < raw.size();) {
        auto byte = static_cast<unsigned char>(raw[i]);
        if (page && page->converter && byte >= 0x80) {
            i += appendWideCharacter(raw, i, page, scratch);
        } else if (int c = caretAt(raw, i); c >= 0) {
            scratch += static_cast<char>(c);
            i += 2;
        } else if (page && appendMbcsEscape(raw, i, scratch)) {
            i += 8;
        } else if (int32_t cp = page ? escapeAt(raw, i) : -1; cp >= 0) {
            i += 7;
            int32_t low = cp >= 0xD800 && cp < 0xDC00 ? escapeAt(raw, i) : -1;
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 7;
            } else if (cp >= 0xD800 && cp < 0xE000) {
                cp = 0xFFFD;  // a lone surrogate is no character
            }
            appendUtf8(scratch, static_cast<uint32_t>(cp));
        } else if (byte < 0x80) {
            scratch += raw[i++];
        } else if (page) {
            appendUtf8(scratch, byteToCodePoint(byte, page));
            ++i;
        } else {
            uint32_t cp = 0;
            size_t length = readUtf8(raw, i, cp);
            if (length == 0) {
                appendUtf8(scratch, byteToCodePoint(byte, defaultCodePage()));
                ++i;
            } else {
                scratch.append(raw.substr(i, length));
                i += length;
            }
        }
    }
    return scratch;
}

namespace {

void appendEscape(std::string& out, uint32_t cp)
{
    static const char kHex[] = "0123456789ABCDEF";
    out += "\\U+";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 0xF];
}

// The byte of `cp` in `page`, or -1 when the page lacks it.
int byteInPage(uint32_t cp, const CodePage* page)
{
    if (page->converter) return -1;
    for (int k = 0; k < 128; ++k)
        if (page->upper[k] == cp) return 0x80 + k;
    return -1;
}

void appendInPage(std::string& out, uint32_t cp, const CodePage* page)
{
    if (page->converter) {
        std::string utf8;
        appendUtf8(utf8, cp);
        size_t before = out.size();
        if (convert(convertersOf(page).fromUtf8, utf8, out)) return;
        out.resize(before);
    }
    if (int byte = byteInPage(cp, page); byte >= 0) {
        out += static_cast<char>(byte);
    } else if (cp < 0x10000) {
        appendEscape(out, cp);
    } else {  // outside the 16-bit escape: write it as a surrogate pair
        cp -= 0x10000;
        appendEscape(out, 0xD800 + (cp >> 10));
        appendEscape(out, 0xDC00 + (cp & 0x3FF));
    }
}

} // namespace

namespace {

// Control characters, the tab too, go out in caret form (^I), as the host
// writes them.
bool isControl(unsigned char byte)
{
    return byte < 0x20;
}

bool needsEncoding(std::string_view text)
{
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || isControl(byte) || c == '^') return true;
    }
    return false;
}

} // namespace

void appendEncodedText(std::string& out, std::string_view text, const TextEncoding& encoding)
{
    if (!needsEncoding(text)) {
        out.append(text);
        return;
    }
    const CodePage* page = encoding.codePage;
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (isControl(byte)) {
            out += '^';
            out += static_cast<char>(byte + '@');
            ++i;
        } else if (text[i] == '^') {  // every caret, as the host writes it
            out += "^ ";
            ++i;
        } else if (byte < 0x80) {
            out += text[i++];
        } else {
            uint32_t cp = 0;
            size_t length = readUtf8(text, i, cp);
            if (length == 0) {  // not UTF-8: keep the byte's ANSI_1252 meaning
                cp = byteToCodePoint(byte, defaultCodePage());
                length = 1;
            }
            if (page)
                appendInPage(out, cp, page);
            else
                appendUtf8(out, cp);
            i += length;
        }
    }
}

} // namespace host::dxf
