// Splits DXF text into groups: a group code line followed by a value line.
//
// The tokenizer works in place on text held in memory: values are views
// into it, numbers are parsed once here with their type fixed by the group
// code, and nothing is allocated per group.  Lines end in LF or CR LF.  A
// damaged group (truncated file, a code that is not a number, a value that
// does not fit its code's type) stops the scan with a message naming the
// file and the line.
#pragma once

#include "dxf/diagnostic.h"
#include "dxf/group_code.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace host::dxf {

struct Token {
    int code = 0;
    ValueKind kind = ValueKind::String;
    uint32_t line = 0;      // line of the group code, 1-based
    std::string_view text;  // the value line as it stands, without its line end
    double real = 0;        // Double
    int64_t integer = 0;    // integers, Bool, and a Handle's value
    // A handle code holding text that is no handle (a name some writers put
    // there), when the tokenizer is told to pass such values on as text.
    bool notHandle = false;
};

class Tokenizer {
public:
    // `text` must outlive the tokenizer and the tokens it hands out.  A
    // piece of a larger file gives the number of lines before it.
    Tokenizer(std::string_view text, std::string_view fileName, uint32_t linesBefore = 0);

    // Reads the next group.  False at the end of the text or on a damaged
    // group; failed() tells which.
    bool next(Token& token);

    bool failed() const { return failed_; }
    const Diagnostic& error() const { return error_; }
    // Number of lines read so far (the line of the last value).
    uint32_t line() const { return line_; }
    std::string_view fileName() const { return fileName_; }
    // Bytes of the text read so far.
    size_t consumedBytes() const { return pos_; }

    // Stops the scan with a message about `line` (used by the layers above
    // for structural errors, so that every error reads the same way).
    void fail(uint32_t line, std::string message);
    // Handle codes holding no handle come out as String tokens marked
    // notHandle instead of stopping the scan; the caller decides.
    void passNamesInHandles() { namesInHandles_ = true; }
    // Stops the scan for a token that does not hold what its code needs.
    void failValue(const Token& token);

private:
    // Hot path, kept inline.  Lines are short (six bytes on average): the
    // end of a line is found eight bytes at a time.
    bool readLine(std::string_view& line)
    {
        size_t size = text_.size();
        if (pos_ >= size) return false;
        const char* data = text_.data();
        size_t begin = pos_;
        size_t end = findLineEnd(data, begin, size);
        pos_ = end < size ? end + 1 : end;
        if (end > begin && data[end - 1] == '\r') --end;
        line = std::string_view(data + begin, end - begin);
        ++line_;
        return true;
    }

    static size_t findLineEnd(const char* data, size_t at, size_t size)
    {
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        constexpr uint64_t kHigh = 0x8080808080808080ull;
        while (at + 8 <= size) {
            uint64_t word;
            std::memcpy(&word, data + at, 8);
            uint64_t x = word ^ (kOnes * '\n');
            uint64_t found = (x - kOnes) & ~x & kHigh;
            if (found) return at + static_cast<size_t>(__builtin_ctzll(found) / 8);
            at += 8;
        }
        while (at < size && data[at] != '\n') ++at;
        return at;
    }

    // "  0", " 10" or "1001" followed by a line end: the code, and the
    // position is moved past the line.  Anything else is left to the slow path.
    bool readPlainCode(int& code)
    {
        const char* data = text_.data();
        size_t size = text_.size();
        size_t at = pos_;
        while (at < size && data[at] == ' ') ++at;
        size_t digits = at;
        int value = 0;
        // Six digits at most are read: more is no group code, and the sum
        // would overflow on a long line of digits.
        while (at < size && at - digits <= 5 && static_cast<unsigned>(data[at] - '0') < 10)
            value = value * 10 + (data[at++] - '0');
        if (at == digits || at - digits > 5 || at >= size) return false;
        if (data[at] == '\r') ++at;
        if (at >= size || data[at] != '\n') return false;
        pos_ = at + 1;
        ++line_;
        code = value;
        return true;
    }

    bool restIsBlank() const;
    bool parseCode(std::string_view text, int& code) const;
    bool parseValue(Token& token);

    std::string_view text_;
    std::string_view fileName_;
    size_t pos_ = 0;
    uint32_t line_ = 0;
    bool failed_ = false;
    bool namesInHandles_ = false;
    Diagnostic error_;
};

// True when the text starts like a binary DXF file (see binary_dxf.h).
bool isBinaryDxf(std::string_view text);

} // namespace host::dxf
