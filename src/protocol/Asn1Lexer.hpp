// Tokens of ASN.1 syntax texts and value notation, shared by both parsers.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace qv::asn1 {

enum class TokenKind {
    End,
    Word,    // a letter, then letters, digits, '-' and '_'
    Number,  // optional sign, digits with an optional fraction and exponent
    String,  // "..." with its escapes resolved
    Open,    // {
    Close,   // }
    LParen,
    RParen,
    Comma,
    Colon,
    Bad,     // anything else; the lexer's error() tells why
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;        // the word, number or unescaped string
    std::size_t offset = 0;  // where the token starts in the text
};

// A whole number token's value (a leading '+' allowed); false when the text
// is not one or does not fit.
bool to_long(std::string_view text, long& out);

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    // The token `ahead` places after the current one, without taking it.
    const Token& peek(std::size_t ahead = 0);
    Token take();
    bool take_if(TokenKind kind);
    bool take_word(std::string_view word);

    // Why the last Bad token is bad.
    const std::string& error() const { return error_; }

    // A token as an error message names it: 'word', a quoted string, the end of the text.
    static std::string describe(const Token& token);
    // "at position N" (counted from 1) for an error message.
    static std::string where(std::size_t offset);

private:
    Token scan();
    Token scan_string(std::size_t start);
    Token scan_number(std::size_t start);
    Token bad(std::size_t start, std::string why);
    void skip_blanks();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::deque<Token> ahead_;
    std::string error_;
};

}  // namespace qv::asn1
