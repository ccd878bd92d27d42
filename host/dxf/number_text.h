// Numbers as DXF text: strict parsing of values read from a file, and the
// shortest text that reads back as the same value when writing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host::dxf {

// Removes leading and trailing spaces and tabs (numbers are often padded).
inline std::string_view trimBlanks(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

// Whole-text parses after trimming blanks; false when anything is left over.
bool parseDouble(std::string_view text, double& value);
bool parseInteger(std::string_view text, int64_t& value);
// Hexadecimal without prefix, at most 16 digits; the empty text is handle 0.
bool parseHex(std::string_view text, uint64_t& value);
// Whole bytes in hexadecimal digits (binary chunks): an odd count of
// digits is no binary data to other readers.
bool isHexText(std::string_view text);

// Shortest round-trip form; integral values keep a ".0" so that the text
// still reads as a real ("1.0", "-0.5", "1e+20").
void appendDouble(std::string& out, double value);
void appendInteger(std::string& out, int64_t value);
// Upper-case hexadecimal, no leading zeros ("0" for 0).
void appendHex(std::string& out, uint64_t value);
std::string hexText(uint64_t value);

} // namespace host::dxf
