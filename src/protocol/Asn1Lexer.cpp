#include "protocol/Asn1Lexer.hpp"

#include <charconv>

namespace qv::asn1 {

namespace {

bool is_letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_word_char(char c)
{
    return is_letter(c) || is_digit(c) || c == '-' || c == '_';
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

bool to_long(std::string_view text, long& out)
{
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, out);
    return ec == std::errc() && end == last && !text.empty();
}

const Token& Lexer::peek(std::size_t ahead)
{
    while (ahead_.size() <= ahead)
        ahead_.push_back(scan());
    return ahead_[ahead];
}

Token Lexer::take()
{
    peek();
    Token token = std::move(ahead_.front());
    ahead_.pop_front();
    return token;
}

bool Lexer::take_if(TokenKind kind)
{
    if (peek().kind != kind)
        return false;
    take();
    return true;
}

bool Lexer::take_word(std::string_view word)
{
    if (peek().kind != TokenKind::Word || peek().text != word)
        return false;
    take();
    return true;
}

std::string Lexer::describe(const Token& token)
{
    switch (token.kind) {
    case TokenKind::End:
        return "the end of the text";
    case TokenKind::String:
        return "a quoted string";
    case TokenKind::Bad:
        return "a bad token";
    default:
        break;
    }
    // Long words are cut: the message is for a person, not a dump.
    std::string shown = token.text.size() > 40 ? token.text.substr(0, 40) + "..." : token.text;
    return "'" + shown + "'";
}

std::string Lexer::where(std::size_t offset)
{
    return "at position " + std::to_string(offset + 1);
}

void Lexer::skip_blanks()
{
    while (pos_ < text_.size() && is_blank(text_[pos_]))
        ++pos_;
}

Token Lexer::scan()
{
    skip_blanks();
    const std::size_t start = pos_;
    if (pos_ >= text_.size())
        return Token{TokenKind::End, {}, start};
    const char c = text_[pos_];
    const auto single = [&](TokenKind kind) {
        ++pos_;
        return Token{kind, std::string(1, c), start};
    };
    switch (c) {
    case '{':
        return single(TokenKind::Open);
    case '}':
        return single(TokenKind::Close);
    case '(':
        return single(TokenKind::LParen);
    case ')':
        return single(TokenKind::RParen);
    case ',':
        return single(TokenKind::Comma);
    case ':':
        return single(TokenKind::Colon);
    case '"':
        return scan_string(start);
    default:
        break;
    }
    if (is_letter(c)) {
        while (pos_ < text_.size() && is_word_char(text_[pos_]))
            ++pos_;
        return Token{TokenKind::Word, std::string(text_.substr(start, pos_ - start)), start};
    }
    if (is_digit(c) || c == '+' || c == '-' || c == '.')
        return scan_number(start);
    return bad(start, "unexpected character '" + std::string(1, c) + "' " + where(start));
}

Token Lexer::scan_string(std::size_t start)
{
    std::string out;
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (c == '"')
            return Token{TokenKind::String, std::move(out), start};
        // Only \" and \\ are escapes; any other backslash is text, so that a
        // path like C:\dir typed into a cell survives unchanged.
        if (c == '\\' && pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\\')) {
            out.push_back(text_[pos_++]);
            continue;
        }
        out.push_back(c);
    }
    return bad(start, "the string starting " + where(start) + " has no closing double quote");
}

Token Lexer::scan_number(std::size_t start)
{
    if (text_[pos_] == '+' || text_[pos_] == '-')
        ++pos_;
    std::size_t digits = 0;
    while (pos_ < text_.size() && is_digit(text_[pos_])) {
        ++pos_;
        ++digits;
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
        ++pos_;
        while (pos_ < text_.size() && is_digit(text_[pos_])) {
            ++pos_;
            ++digits;
        }
    }
    if (digits > 0 && pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        std::size_t p = pos_ + 1;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-'))
            ++p;
        if (p < text_.size() && is_digit(text_[p])) {
            while (p < text_.size() && is_digit(text_[p]))
                ++p;
            pos_ = p;
        }
    }
    // A number runs into a letter only by mistake ("12abc"): say so here
    // rather than as a puzzling "found 'abc'" later.
    if (digits == 0 || (pos_ < text_.size() && is_word_char(text_[pos_]))) {
        while (pos_ < text_.size() && is_word_char(text_[pos_]))
            ++pos_;
        return bad(start, "'" + std::string(text_.substr(start, pos_ - start)) + "' " + where(start) +
                              " is not a number");
    }
    return Token{TokenKind::Number, std::string(text_.substr(start, pos_ - start)), start};
}

Token Lexer::bad(std::size_t start, std::string why)
{
    // After a bad token nothing more is read: the text is refused anyway.
    pos_ = text_.size();
    if (error_.empty())
        error_ = std::move(why);
    return Token{TokenKind::Bad, {}, start};
}

}  // namespace qv::asn1
