#include "dxf/binary_dxf.h"

#include "db/database.h"
#include "dxf/group_code.h"
#include "dxf/number_text.h"
#include "dxf/tokenizer.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace host::dxf {

namespace {

constexpr std::string_view kSentinel("AutoCAD Binary DXF\r\n\x1a\0", 22);
constexpr size_t kMostChunkBytes = 127;  // what a text line of 254 hex digits holds

template <typename T>
T little(const char* at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        auto* bytes = reinterpret_cast<unsigned char*>(&value);
        for (size_t i = 0; i < sizeof value / 2; ++i) std::swap(bytes[i], bytes[sizeof value - 1 - i]);
    }
    return value;
}

template <typename T>
void appendLittle(std::string& out, T value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        for (size_t i = 0; i < sizeof value / 2; ++i) std::swap(bytes[i], bytes[sizeof value - 1 - i]);
    out.append(bytes, sizeof value);
}

// Where a header variable's name (any letters) starts by byte `within`;
// npos when it does not.
size_t findVariable(std::string_view binary, std::string_view name, size_t within)
{
    for (size_t at = kSentinel.size(); at <= within && at + name.size() <= binary.size(); ++at)
        if (db::equalNoCase(binary.substr(at, name.size()), name)) return at;
    return std::string_view::npos;
}

// R12 files use one-byte codes, later ones two bytes.  Every file starts
// with the group 0 SECTION: after the zero byte of its code comes the
// type's first letter, or the code's second zero byte.  A file that starts
// otherwise (a damaged one) is judged by its $ACADVER value.
bool hasOneByteCodes(std::string_view binary)
{
    const size_t first = kSentinel.size();
    if (binary.size() > first + 1 && binary[first] == '\0') return binary[first + 1] != '\0';
    size_t at = findVariable(binary, "$ACADVER", 1024);
    if (at == std::string_view::npos) return true;
    size_t value = at + 10;  // past the name, its zero byte and a one-byte code
    if (value < binary.size() && binary[value] != 'A') ++value;  // a two-byte code
    // A file cut short right after the name: the scanner reports where it ends.
    if (value > binary.size()) return true;
    return binary.substr(value, 6) < "AC1012";
}

class BinaryScanner {
public:
    BinaryScanner(std::string_view data, bool oneByteCodes) : data_(data), oneByte_(oneByteCodes) {}

    bool atEnd() const { return at_ >= data_.size(); }
    size_t offset() const { return at_; }

    bool code(int& code)
    {
        if (oneByte_) {
            if (!need(1)) return false;
            code = static_cast<unsigned char>(data_[at_++]);
            if (code != 255) return true;
        }
        if (!need(2)) return false;
        code = little<int16_t>(data_.data() + at_);
        at_ += 2;
        return true;
    }

    // The value of a group, appended as its text line.
    bool value(int code, std::string& out)
    {
        switch (valueKindOf(code)) {
        case ValueKind::Double: return number<double>(out);
        case ValueKind::Int16: return number<int16_t>(out);
        case ValueKind::Int32: return number<int32_t>(out);
        case ValueKind::Int64: return number<int64_t>(out);
        case ValueKind::Bool: return number<uint8_t>(out);
        case ValueKind::Binary: return chunk(out);
        default: return text(out);
        }
    }

private:
    bool need(size_t bytes) const { return data_.size() - at_ >= bytes; }

    template <typename T>
    bool number(std::string& out)
    {
        if (!need(sizeof(T))) return false;
        T value = little<T>(data_.data() + at_);
        at_ += sizeof(T);
        if constexpr (std::is_floating_point_v<T>)
            appendDouble(out, value);
        else
            appendInteger(out, static_cast<int64_t>(value));
        return true;
    }

    bool chunk(std::string& out)
    {
        if (!need(1)) return false;
        size_t length = static_cast<unsigned char>(data_[at_++]);
        if (!need(length)) return false;
        static const char kHex[] = "0123456789ABCDEF";
        for (size_t i = 0; i < length; ++i) {
            auto byte = static_cast<unsigned char>(data_[at_ + i]);
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
        at_ += length;
        return true;
    }

    // A zero-ended string; a line end inside it would end the text line,
    // so it goes out in caret form, which the text reader decodes.
    bool text(std::string& out)
    {
        size_t end = data_.find('\0', at_);
        if (end == std::string_view::npos) return false;
        for (size_t i = at_; i < end; ++i) {
            char c = data_[i];
            if (c == '\n' || c == '\r') {
                out += '^';
                out += static_cast<char>(c + '@');
            } else {
                out += c;
            }
        }
        at_ = end + 1;
        return true;
    }

    std::string_view data_;
    bool oneByte_;
    size_t at_ = kSentinel.size();
};

bool hexByte(std::string_view text, size_t i, unsigned char& byte)
{
    auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    int high = digit(text[i]), low = digit(text[i + 1]);
    if (high < 0 || low < 0) return false;
    byte = static_cast<unsigned char>(high << 4 | low);
    return true;
}

// A flag's byte.  The text reader takes 16-bit values for a flag; one
// that fits no byte keeps its truth (256 would otherwise become false).
uint8_t flagByte(int64_t value)
{
    return value >= 0 && value <= UINT8_MAX ? static_cast<uint8_t>(value) : 1;
}

void appendCode(std::string& out, int code)
{
    appendLittle(out, static_cast<int16_t>(code));
}

} // namespace

bool binaryToText(std::string_view binary, std::string& text, std::string& error)
{
    text.clear();
    // Groups start right after the sentinel: one cut short (its CR LF made
    // a LF alone in passing) would have every group read a byte off.
    if (binary.substr(0, kSentinel.size()) != kSentinel) {
        error = "the binary file's first line is damaged: \"AutoCAD Binary DXF\" is not followed by CR LF, 1A, 00";
        return false;
    }
    text.reserve(binary.size() * 2);
    BinaryScanner scanner(binary, hasOneByteCodes(binary));
    while (!scanner.atEnd()) {
        size_t start = scanner.offset();
        int code = 0;
        if (!scanner.code(code)) {
            error = "the binary file ends inside the group code at byte " + std::to_string(start);
            return false;
        }
        appendInteger(text, code);
        text += '\n';
        if (!scanner.value(code, text)) {
            error = "the binary file ends inside the value of group " + std::to_string(code) + " at byte " +
                    std::to_string(start);
            return false;
        }
        text += '\n';
    }
    return true;
}

bool textToBinary(std::string_view text, std::string& binary, std::string* error)
{
    binary.assign(kSentinel);
    Tokenizer tokenizer(text, "");
    tokenizer.passNamesInHandles();
    Token token;
    while (tokenizer.next(token)) {
        std::string_view value = token.text;
        switch (token.kind) {
        case ValueKind::Double: appendCode(binary, token.code); appendLittle(binary, token.real); break;
        case ValueKind::Int16: appendCode(binary, token.code); appendLittle(binary, static_cast<int16_t>(token.integer)); break;
        case ValueKind::Int32: appendCode(binary, token.code); appendLittle(binary, static_cast<int32_t>(token.integer)); break;
        case ValueKind::Int64: appendCode(binary, token.code); appendLittle(binary, token.integer); break;
        case ValueKind::Bool: appendCode(binary, token.code); binary += static_cast<char>(flagByte(token.integer)); break;
        case ValueKind::Binary: {
            // Longer chunks than a length byte holds go out as several groups.
            value = trimBlanks(value);
            size_t bytes = value.size() / 2;
            size_t done = 0;
            do {
                size_t piece = std::min(kMostChunkBytes, bytes - done);
                appendCode(binary, token.code);
                binary += static_cast<char>(piece);
                for (size_t i = 0; i < piece; ++i) {
                    unsigned char byte = 0;
                    hexByte(value, 2 * (done + i), byte);
                    binary += static_cast<char>(byte);
                }
                done += piece;
            } while (done < bytes);
            break;
        }
        default:
            appendCode(binary, token.code);
            binary.append(value);
            binary += '\0';
            break;
        }
    }
    if (!tokenizer.failed()) return true;
    if (error) *error = tokenizer.error().text();
    return false;
}

} // namespace host::dxf
