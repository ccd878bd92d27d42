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
#include <string_view>

namespace host::dxf {

struct Token {
    int code = 0;
    ValueKind kind = ValueKind::String;
    uint32_t line = 0;      // line of the group code, 1-based
    std::string_view text;  // the value line as it stands, without its line end
    double real = 0;        // Double
    int64_t integer = 0;    // integers, Bool, and a Handle's value
};

class Tokenizer {
public:
    // `text` must outlive the tokenizer and the tokens it hands out.
    Tokenizer(std::string_view text, std::string_view fileName);

    // Reads the next group.  False at the end of the text or on a damaged
    // group; failed() tells which.
    bool next(Token& token);

    bool failed() const { return failed_; }
    const Diagnostic& error() const { return error_; }
    // Number of lines read so far (the line of the last value).
    uint32_t line() const { return line_; }
    std::string_view fileName() const { return fileName_; }

    // Stops the scan with a message about `line` (used by the layers above
    // for structural errors, so that every error reads the same way).
    void fail(uint32_t line, std::string message);

private:
    bool readLine(std::string_view& line);
    bool restIsBlank() const;
    bool parseCode(std::string_view text, int& code) const;
    bool parseValue(Token& token);

    std::string_view text_;
    std::string_view fileName_;
    size_t pos_ = 0;
    uint32_t line_ = 0;
    bool failed_ = false;
    Diagnostic error_;
};

// True when the text starts like a binary DXF file, which is not read.
bool isBinaryDxf(std::string_view text);

} // namespace host::dxf
