#include "server/JsonSyntax.hpp"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace qv::server::json_syntax {
namespace {

class Scanner {
public:
    Scanner(std::string_view text, Shape* shape) : p_(text.data()), end_(text.data() + text.size()), shape_(shape)
    {
    }

    bool document();

private:
    bool value();
    bool key(std::size_t depth);
    bool string();
    bool escape();
    bool utf8();
    bool number();
    bool literal(std::string_view word);
    void space()
    {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t'))
            ++p_;
    }
    bool take(char c)
    {
        if (p_ == end_ || *p_ != c)
            return false;
        ++p_;
        return true;
    }
    unsigned char peek() const { return p_ < end_ ? static_cast<unsigned char>(*p_) : 0; }
    bool continuation(unsigned char low = 0x80, unsigned char high = 0xBF)
    {
        const unsigned char c = peek();
        if (p_ == end_ || c < low || c > high)
            return false;
        ++p_;
        return true;
    }
    int hex4();

    const char* p_;
    const char* end_;
    Shape* shape_;
    std::string_view key_;       // the last key of the outermost object
    const char* value_ = nullptr;  // where its value begins
};

bool Scanner::document()
{
    // A byte order mark may open the text, as the parser allows.
    if (peek() == 0xEF && !(++p_, continuation(0xBB, 0xBB) && continuation(0xBF, 0xBF)))
        return false;
    space();
    if (!value())
        return false;
    space();
    // The parser takes a NUL byte outside a string for the end of the text.
    return p_ == end_ || *p_ == '\0';
}

bool Scanner::value()
{
    // The containers open around the value being read, '{' or '[': a loop,
    // not recursion, as the text may be nested as deep as it is long.
    std::vector<char> open;
    for (;;) {
        const char c = static_cast<char>(peek());
        if (p_ == end_)
            return false;
        bool scalar = true;
        if (c == '{' || c == '[') {
            ++p_;
            space();
            if (take(c == '{' ? '}' : ']')) {
                // empty: a complete value
                if (shape_ && open.size() + 1 > shape_->depth)
                    shape_->depth = open.size() + 1;
            } else {
                open.push_back(c);
                scalar = false;
                if (shape_ && open.size() > shape_->depth)
                    shape_->depth = open.size();
                if (c == '{' && !key(open.size()))
                    return false;
            }
        } else if (c == '"') {
            if (!string())
                return false;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            if (!number())
                return false;
        } else if (!(c == 't' ? literal("true") : c == 'f' ? literal("false") : c == 'n' && literal("null"))) {
            return false;
        }
        if (!scalar)
            continue;  // the container's first value comes next
        // A value is complete: close containers, or go on to the next item.
        for (;;) {
            if (open.empty())
                return true;
            if (shape_ && open.size() == 1 && open[0] == '{')
                shape_->members.push_back({key_, std::string_view(value_, static_cast<std::size_t>(p_ - value_))});
            space();
            const char container = open.back();
            if (take(container == '{' ? '}' : ']')) {
                open.pop_back();
                continue;
            }
            if (!take(','))
                return false;
            space();
            if (container == '{' && !key(open.size()))
                return false;
            break;
        }
    }
}

bool Scanner::key(std::size_t depth)
{
    const char* start = p_;
    if (!string())
        return false;
    if (depth == 1)
        key_ = std::string_view(start + 1, static_cast<std::size_t>(p_ - start - 2));
    space();
    if (!take(':'))
        return false;
    space();
    if (depth == 1)
        value_ = p_;
    return true;
}

bool Scanner::literal(std::string_view word)
{
    if (static_cast<std::size_t>(end_ - p_) < word.size() || std::string_view(p_, word.size()) != word)
        return false;
    p_ += word.size();
    return true;
}

bool Scanner::string()
{
    if (!take('"'))
        return false;
    while (p_ < end_) {
        const auto c = static_cast<unsigned char>(*p_);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            ++p_;
            continue;
        }
        if (c == '"') {
            ++p_;
            return true;
        }
        if (c == '\\') {
            if (!escape())
                return false;
        } else if (c < 0x20 || !utf8()) {
            return false;
        }
    }
    return false;
}

int Scanner::hex4()
{
    int value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>(peek());
        if (p_ == end_)
            return -1;
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
        ++p_;
    }
    return value;
}

bool Scanner::escape()
{
    ++p_;  // the backslash
    if (p_ == end_)
        return false;
    const char c = *p_++;
    if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' || c == 'r' || c == 't')
        return true;
    if (c != 'u')
        return false;
    const int unit = hex4();
    if (unit < 0 || (unit >= 0xDC00 && unit <= 0xDFFF))
        return false;  // a low surrogate without its high one
    if (unit < 0xD800 || unit > 0xDBFF)
        return true;
    // A high surrogate: its low one must follow.
    if (!take('\\') || !take('u'))
        return false;
    const int low = hex4();
    return low >= 0xDC00 && low <= 0xDFFF;
}

bool Scanner::utf8()
{
    // The well-formed sequences of Unicode's table 3-7.
    const auto c = static_cast<unsigned char>(*p_++);
    if (c >= 0xC2 && c <= 0xDF)
        return continuation();
    if (c == 0xE0)
        return continuation(0xA0, 0xBF) && continuation();
    if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF)
        return continuation() && continuation();
    if (c == 0xED)
        return continuation(0x80, 0x9F) && continuation();
    if (c == 0xF0)
        return continuation(0x90, 0xBF) && continuation() && continuation();
    if (c >= 0xF1 && c <= 0xF3)
        return continuation() && continuation() && continuation();
    if (c == 0xF4)
        return continuation(0x80, 0x8F) && continuation() && continuation();
    return false;
}

bool Scanner::number()
{
    const char* start = p_;
    auto digits = [&] {
        const char* from = p_;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9')
            ++p_;
        return p_ - from;
    };
    take('-');
    if (take('0')) {
        // no more digits may follow a leading zero
    } else if (digits() == 0) {
        return false;
    }
    bool plain = true;
    if (take('.')) {
        plain = false;
        if (digits() == 0)
            return false;
    }
    if (take('e') || take('E')) {
        plain = false;
        if (!take('+'))
            take('-');
        if (digits() == 0)
            return false;
    }
    // A short integer is always in range; the parser reads any other number
    // as a double, which must be finite.
    if (plain && p_ - start <= 18)
        return true;
    const std::string spelling(start, p_);
    return std::isfinite(std::strtod(spelling.c_str(), nullptr));
}

}  // namespace

bool valid(std::string_view text, Shape* shape)
{
    if (shape)
        *shape = Shape();
    return Scanner(text, shape).document();
}

}  // namespace qv::server::json_syntax
