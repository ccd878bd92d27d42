#include "dcl/lexer.h"

#include <cctype>
#include <cstdio>

namespace host::dcl {

namespace {

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

Token errorToken(int line, std::string message) {
    Token t;
    t.type = TokenType::Error;
    t.text = std::move(message);
    t.line = line;
    return t;
}

} // namespace

// Leaves an Error token in `error` for a comment that never ends.
void Lexer::skipBlanksAndComments(Token& error) {
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos_;
        } else if (text_.compare(pos_, 2, "//") == 0) {
            while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        } else if (text_.compare(pos_, 2, "/*") == 0) {
            int startLine = line_;
            size_t end = text_.find("*/", pos_ + 2);
            size_t stop = end == std::string_view::npos ? text_.size() : end + 2;
            for (size_t i = pos_; i < stop; ++i)
                if (text_[i] == '\n') ++line_;
            pos_ = stop;
            if (end == std::string_view::npos) {
                error = errorToken(startLine, "comment not closed with */");
                return;
            }
        } else {
            return;
        }
    }
}

Token Lexer::next() {
    Token error;
    skipBlanksAndComments(error);
    if (error.type == TokenType::Error) return error;
    Token t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    char c = text_[pos_];
    if (c == '"') return readString();
    if (isDigit(c) || ((c == '-' || c == '+' || c == '.') && pos_ + 1 < text_.size() &&
                       (isDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '.')))
        return readNumber();
    if (isNameStart(c)) return readName();
    if (c == ':' || c == '{' || c == '}' || c == ';' || c == '=') {
        t.type = TokenType::Punct;
        t.text.assign(1, c);
        ++pos_;
        return t;
    }
    if (c == '@') {
        ++pos_;
        Token name = readName();
        if (name.type == TokenType::Name && name.text == "include") {
            t.type = TokenType::Include;
            return t;
        }
        return errorToken(line_, "unknown directive '@" + name.text + "'");
    }
    if (std::isprint(static_cast<unsigned char>(c)))
        return errorToken(line_, std::string("unexpected character '") + c + "'");
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
    return errorToken(line_, std::string("unexpected byte ") + code);
}

Token Lexer::readString() {
    Token t;
    t.type = TokenType::String;
    t.line = line_;
    ++pos_;  // opening quote
    while (pos_ < text_.size()) {
        char c = text_[pos_++];
        if (c == '"') return t;
        if (c == '\n') break;
        if (c != '\\') {
            t.text += c;
            continue;
        }
        if (pos_ >= text_.size()) break;
        char e = text_[pos_++];
        switch (e) {
        case 'n': t.text += '\n'; break;
        case 't': t.text += '\t'; break;
        case 'r': t.text += '\r'; break;
        case '"': t.text += '"'; break;
        case '\\': t.text += '\\'; break;
        default: t.text += '\\'; t.text += e; break;  // kept as written
        }
    }
    return errorToken(t.line, "string not closed with \" on its line");
}

Token Lexer::readNumber() {
    Token t;
    t.type = TokenType::Integer;
    t.line = line_;
    size_t start = pos_;
    if (text_[pos_] == '-' || text_[pos_] == '+') ++pos_;
    bool digits = false;
    while (pos_ < text_.size() && isDigit(text_[pos_])) {
        ++pos_;
        digits = true;
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
        t.type = TokenType::Real;
        ++pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            ++pos_;
            digits = true;
        }
    }
    if (digits && pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        size_t save = pos_++;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
        if (pos_ < text_.size() && isDigit(text_[pos_])) {
            t.type = TokenType::Real;
            while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        } else {
            pos_ = save;
        }
    }
    t.text.assign(text_.substr(start, pos_ - start));
    if (!digits) return errorToken(t.line, "malformed number '" + t.text + "'");
    if (pos_ < text_.size() && isNameChar(text_[pos_]))
        return errorToken(t.line, "malformed number '" + t.text + text_[pos_] + "'");
    return t;
}

Token Lexer::readName() {
    Token t;
    t.type = TokenType::Name;
    t.line = line_;
    size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    t.text.assign(text_.substr(start, pos_ - start));
    return t;
}

} // namespace host::dcl
