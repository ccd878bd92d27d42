#include "dxf/tokenizer.h"

#include "dxf/number_text.h"
#include "dxf/quoted_text.h"

#include <string>

namespace host::dxf {

namespace {

bool fitsInteger(ValueKind kind, int64_t value)
{
    // Some writers store unsigned 16/32-bit values, so both signed and
    // unsigned ranges are accepted.
    switch (kind) {
    case ValueKind::Int16:
    case ValueKind::Bool: return value >= -32768 && value <= 65535;
    case ValueKind::Int32: return value >= INT32_MIN && value <= static_cast<int64_t>(UINT32_MAX);
    default: return true;
    }
}

} // namespace

bool isBinaryDxf(std::string_view text)
{
    return text.substr(0, 18) == "AutoCAD Binary DXF";
}

Tokenizer::Tokenizer(std::string_view text, std::string_view fileName, uint32_t linesBefore)
    : text_(text), fileName_(fileName), line_(linesBefore)
{
    // A UTF-8 byte order mark is not part of the first group code.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

void Tokenizer::fail(uint32_t line, std::string message)
{
    if (failed_) return;
    failed_ = true;
    error_ = Diagnostic{std::string(fileName_), line, std::move(message)};
}

bool Tokenizer::restIsBlank() const
{
    for (size_t i = pos_; i < text_.size(); ++i) {
        char c = text_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

bool Tokenizer::parseCode(std::string_view text, int& code) const
{
    text = trimBlanks(text);
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 5) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    code = negative ? -value : value;
    return true;
}

bool Tokenizer::next(Token& token)
{
    if (failed_) return false;
    if (readPlainCode(token.code)) {
        token.line = line_;
    } else {
        std::string_view codeLine;
        if (!readLine(codeLine)) return false;
        // Blank lines after the last group (left by editors) end the text.
        if (trimBlanks(codeLine).empty() && restIsBlank()) return false;
        token.line = line_;
        if (!parseCode(codeLine, token.code)) {
            fail(line_, "group code is not a number: " + inQuotes(codeLine));
            return false;
        }
    }
    // Codes outside the DXF ranges would be cut to 16 bits when stored, and
    // the negative ones stand for entity names and the like in lists.
    if (token.code < 0 || token.code > kLastGroupCode) {
        fail(token.line, "group code " + std::to_string(token.code) + " is not a DXF group code");
        return false;
    }
    if (!readLine(token.text)) {
        fail(token.line, "file ends after group code " + std::to_string(token.code) + " without its value");
        return false;
    }
    token.kind = valueKindOf(token.code);
    if (wideCounts_ && (token.code == 70 || token.code == 71)) token.kind = ValueKind::Int32;
    token.notHandle = false;
    return parseValue(token);
}

bool Tokenizer::parseValue(Token& token)
{
    bool ok = true;
    switch (token.kind) {
    case ValueKind::String: return true;
    case ValueKind::Double: ok = parseDouble(token.text, token.real); break;
    case ValueKind::Int16:
    case ValueKind::Int32:
    case ValueKind::Int64:
    case ValueKind::Bool:
        ok = parseInteger(token.text, token.integer) && fitsInteger(token.kind, token.integer);
        break;
    case ValueKind::Handle: {
        uint64_t handle = 0;
        ok = parseHex(token.text, handle);
        token.integer = static_cast<int64_t>(handle);
        token.notHandle = !ok && namesInHandles_;
        if (token.notHandle) {
            token.kind = ValueKind::String;
            return true;
        }
        break;
    }
    case ValueKind::Binary: ok = isHexText(trimBlanks(token.text)); break;
    }
    if (!ok) failValue(token);
    return ok;
}

void Tokenizer::failValue(const Token& token)
{
    ValueKind kind = token.notHandle ? ValueKind::Handle : token.kind;
    fail(token.line + 1,
         "group " + std::to_string(token.code) + " must hold " + valueKindName(kind) + ", not " + inQuotes(token.text));
}

} // namespace host::dxf
