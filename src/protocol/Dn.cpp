#include "protocol/Dn.hpp"

#include <algorithm>
#include <cctype>

namespace qv::dn {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool set_error(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
    return false;
}

// Splits at separating slashes; false on an unterminated quote or brace.
bool split_components(std::string_view text, std::vector<std::string_view>& parts, std::string* error)
{
    std::size_t start = 0;
    bool in_quotes = false;
    int braces = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_quotes) {
            if (c == '\\' && i + 1 < text.size())
                ++i;
            else if (c == '"')
                in_quotes = false;
            continue;
        }
        if (c == '"')
            in_quotes = true;
        else if (c == '{')
            ++braces;
        else if (c == '}') {
            if (braces == 0)
                return set_error(error, "unbalanced \"}\" in distinguished name");
            --braces;
        } else if (c == '/' && braces == 0) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (in_quotes)
        return set_error(error, "unterminated quoted value in distinguished name");
    if (braces != 0)
        return set_error(error, "unbalanced \"{\" in distinguished name");
    parts.push_back(text.substr(start));
    return true;
}

bool valid_attr(std::string_view a)
{
    if (a.empty() || !(std::isalpha(static_cast<unsigned char>(a[0])) || a[0] == '_'))
        return false;
    for (char c : a)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.'))
            return false;
    return true;
}

// Blanks inside {..} collapse to single ones, none just inside the braces.
std::string normalise_braces(std::string_view v)
{
    std::string out;
    bool pending_blank = false;
    bool in_quotes = false;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (in_quotes) {
            out.push_back(c);
            if (c == '\\' && i + 1 < v.size())
                out.push_back(v[++i]);
            else if (c == '"')
                in_quotes = false;
            continue;
        }
        if (is_blank(c)) {
            pending_blank = true;
            continue;
        }
        if (pending_blank && !out.empty() && out.back() != '{' && c != '}' && c != ',' && out.back() != ',')
            out.push_back(' ');
        pending_blank = false;
        if (c == '"')
            in_quotes = true;
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::optional<Dn> parse(std::string_view text, std::string* error)
{
    std::string_view t = trim(text);
    Dn dn;
    if (t.empty()) {
        set_error(error, "empty distinguished name");
        return std::nullopt;
    }
    dn.absolute = t.front() == '/';
    if (dn.absolute)
        t.remove_prefix(1);
    if (trim(t).empty()) {
        if (!dn.absolute) {
            set_error(error, "empty distinguished name");
            return std::nullopt;
        }
        return dn;  // the root
    }
    std::vector<std::string_view> parts;
    if (!split_components(t, parts, error))
        return std::nullopt;
    for (std::string_view part : parts) {
        part = trim(part);
        const auto eq = part.find('=');
        if (eq == std::string_view::npos) {
            set_error(error, "component \"" + std::string(part) + "\" has no \"=\"");
            return std::nullopt;
        }
        const std::string_view attr = trim(part.substr(0, eq));
        const std::string_view value = trim(part.substr(eq + 1));
        if (!valid_attr(attr)) {
            set_error(error, "invalid attribute name \"" + std::string(attr) + "\"");
            return std::nullopt;
        }
        if (value.empty()) {
            set_error(error, "attribute \"" + std::string(attr) + "\" has no value");
            return std::nullopt;
        }
        dn.rdns.push_back(Rdn{std::string(attr), std::string(value)});
    }
    return dn;
}

std::string format(const Dn& dn)
{
    if (dn.rdns.empty())
        return dn.absolute ? "/" : "";
    std::string out;
    for (std::size_t i = 0; i < dn.rdns.size(); ++i) {
        if (i > 0 || dn.absolute)
            out.push_back('/');
        out += dn.rdns[i].attr;
        out.push_back('=');
        out += dn.rdns[i].value;
    }
    return out;
}

std::optional<Dn> canonical(const Dn& dn)
{
    Dn out = dn;
    for (Rdn& r : out.rdns) {
        r.value = normalise_braces(r.value);
        if (r.value.empty())
            return std::nullopt;
        if (r.attr == "systemId" && r.value.front() == '"')
            r.value = "name:" + r.value;
        // A bare system name, systemId=vm, is the same system as name:"vm".
        if (r.attr == "systemId" && r.value.front() != '{' && r.value.find_first_of(":\"") == std::string::npos)
            r.value = "name:" + quote(r.value);
        // A tag is written without blanks before its value: name : "x" -> name:"x".
        if (r.value.front() != '"' && r.value.front() != '{') {
            const auto colon = r.value.find(':');
            const auto quote = r.value.find('"');
            if (colon != std::string::npos && (quote == std::string::npos || colon < quote)) {
                std::string tag(trim(std::string_view(r.value).substr(0, colon)));
                std::string rest(trim(std::string_view(r.value).substr(colon + 1)));
                r.value = tag + ":" + rest;
            }
        }
    }
    return out;
}

std::optional<std::string> canonical(std::string_view text, std::string* error)
{
    if (is_plainly_canonical(text))
        return std::string(text);  // the usual spelling, taken without a parse
    auto dn = parse(text, error);
    if (!dn)
        return std::nullopt;
    auto c = canonical(*dn);
    if (!c)
        return std::nullopt;
    return format(*c);
}

namespace {

// "text" with at least one character, none a blank, quote, escape, brace or
// slash.
bool plain_quoted(std::string_view v)
{
    if (v.size() < 3 || v.front() != '"' || v.back() != '"')
        return false;
    for (char c : v.substr(1, v.size() - 2))
        if (c <= ' ' || c > '~' || c == '"' || c == '\\' || c == '{' || c == '}' || c == '/')
            return false;
    return true;
}

bool plain_value(std::string_view v, bool system)
{
    if (!system && !v.empty() && v.find_first_not_of("0123456789") == std::string_view::npos)
        return true;
    if (!system && plain_quoted(v))
        return true;
    const auto colon = v.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    for (char c : v.substr(0, colon))
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return false;
    return plain_quoted(v.substr(colon + 1));
}

}  // namespace

bool is_plainly_canonical(std::string_view text)
{
    std::size_t at = !text.empty() && text.front() == '/' ? 1 : 0;
    if (at == text.size())
        return false;  // empty, or the root: parse() says what they are
    for (;;) {
        const std::size_t end = std::min(text.find('/', at), text.size());
        const std::string_view part = text.substr(at, end - at);
        const auto eq = part.find('=');
        if (eq == std::string_view::npos || !valid_attr(part.substr(0, eq)) ||
            !plain_value(part.substr(eq + 1), part.substr(0, eq) == "systemId"))
            return false;
        if (end == text.size())
            return true;
        at = end + 1;
    }
}

Dn resolve(const Dn& relative, const Dn& base)
{
    if (relative.absolute)
        return relative;
    Dn out = base;
    out.absolute = true;
    out.rdns.insert(out.rdns.end(), relative.rdns.begin(), relative.rdns.end());
    return out;
}

bool is_prefix(const Dn& prefix, const Dn& dn)
{
    if (prefix.rdns.size() > dn.rdns.size())
        return false;
    for (std::size_t i = 0; i < prefix.rdns.size(); ++i)
        if (prefix.rdns[i] != dn.rdns[i])
            return false;
    return true;
}

bool is_child(const Dn& parent_dn, const Dn& dn)
{
    return dn.rdns.size() == parent_dn.rdns.size() + 1 && is_prefix(parent_dn, dn);
}

Dn parent(const Dn& dn)
{
    Dn out = dn;
    if (!out.rdns.empty())
        out.rdns.pop_back();
    return out;
}

Dn child(const Dn& parent_dn, Rdn rdn)
{
    Dn out = parent_dn;
    out.rdns.push_back(std::move(rdn));
    return out;
}

std::string value_text(std::string_view value)
{
    std::string_view v = trim(value);
    if (!v.empty() && v.front() != '"' && v.front() != '{') {
        const auto colon = v.find(':');
        const auto quote = v.find('"');
        if (colon != std::string_view::npos && quote != std::string_view::npos && colon < quote)
            v = trim(v.substr(colon + 1));
    }
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') {
        std::string out;
        for (std::size_t i = 1; i + 1 < v.size(); ++i) {
            if (v[i] == '\\' && i + 2 < v.size())
                ++i;
            out.push_back(v[i]);
        }
        return out;
    }
    return std::string(v);
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string system_of(const Dn& dn)
{
    for (const Rdn& r : dn.rdns)
        if (r.attr == "systemId")
            return value_text(r.value);
    return {};
}

Dn system_dn(std::string_view system)
{
    Dn dn;
    dn.rdns.push_back(Rdn{"systemId", "name:" + quote(system)});
    return dn;
}

std::string last_label(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::string_view t = text;
    if (t.empty() || t.back() == '/')
        return std::string(text);
    if (!split_components(t, parts, nullptr) || parts.size() < 2)
        return std::string(text);
    return std::string(parts.back());
}

}  // namespace qv::dn
