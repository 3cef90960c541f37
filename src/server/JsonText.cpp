#include "server/JsonText.hpp"

#include <cstdio>

namespace qv::server::json_text {

void append_string(std::string& out, std::string_view text)
{
    out += '"';
    std::size_t plain = 0;  // start of the run not yet appended
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        }
        }
    }
    out.append(text, plain, std::string_view::npos);
    out += '"';
}

namespace {

bool is_space(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

std::size_t skip_space(std::string_view text, std::size_t at)
{
    while (at < text.size() && is_space(text[at]))
        ++at;
    return at;
}

// The position after the string that opens at at (a quote); npos when it
// does not end.
std::size_t string_end(std::string_view text, std::size_t at)
{
    // By runs between quotes: a long text value is one memchr, not a loop.
    for (++at;;) {
        const std::size_t quote = text.find('"', at);
        if (quote == std::string_view::npos)
            return quote;
        const std::size_t escape = text.substr(at, quote - at).find('\\');
        if (escape == std::string_view::npos)
            return quote + 1;
        at += escape + 2;  // past the escaped character, which may be a quote
        if (at > text.size())
            return std::string_view::npos;
    }
}

// The position of the "," or "}" that ends the value starting at at; npos
// when nothing does.
std::size_t value_end(std::string_view text, std::size_t at)
{
    int depth = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"') {
            at = string_end(text, at);
            continue;
        }
        if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return c == '}' ? at : std::string_view::npos;
            --depth;
        } else if (c == ',' && depth == 0) {
            return at;
        }
        ++at;
    }
    return std::string_view::npos;
}

}  // namespace

bool split_members(std::string_view object, std::vector<Member>& out)
{
    out.clear();
    std::size_t at = skip_space(object, 0);
    if (at == object.size() || object[at] != '{')
        return false;
    at = skip_space(object, at + 1);
    if (at < object.size() && object[at] == '}')
        return skip_space(object, at + 1) == object.size();
    while (at < object.size() && object[at] == '"') {
        const std::size_t key_end = string_end(object, at);
        if (key_end == std::string_view::npos)
            return false;
        const std::string_view key = object.substr(at + 1, key_end - at - 2);
        at = skip_space(object, key_end);
        if (at == object.size() || object[at] != ':')
            return false;
        const std::size_t start = skip_space(object, at + 1);
        const std::size_t end = value_end(object, start);
        if (end == std::string_view::npos)
            return false;
        std::size_t last = end;
        while (last > start && is_space(object[last - 1]))
            --last;
        if (last == start)
            return false;
        out.push_back({key, object.substr(start, last - start)});
        if (object[end] == '}')
            return skip_space(object, end + 1) == object.size();
        at = skip_space(object, end + 1);
    }
    return false;
}

}  // namespace qv::server::json_text
