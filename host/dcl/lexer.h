// Splits DCL text into tokens: names, quoted strings, numbers, the
// punctuation : { } ; = and the @include directive.  Comments (// to the end
// of the line and /* ... */) are skipped.
#pragma once

#include <string>
#include <string_view>

namespace host::dcl {

enum class TokenType { Name, String, Integer, Real, Punct, Include, End, Error };

struct Token {
    TokenType type = TokenType::End;
    std::string text;  // strings unescaped; the message for Error
    int line = 1;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}
    Token next();

private:
    void skipBlanksAndComments(Token& error);
    Token readString();
    Token readNumber();
    Token readName();

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace host::dcl
