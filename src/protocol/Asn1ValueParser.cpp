#include "protocol/Asn1ValueParser.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <strings.h>

namespace qv::asn1 {

ValuePtr parse_value(const TypePtr& type, std::string_view text, std::string* error)
{
    const auto reject = [&](std::string why) -> ValuePtr {
        if (error)
            *error = std::move(why);
        return nullptr;
    };
    if (!type)
        return reject("there is no syntax to read the value with");
    if (text.size() > kMaxValueText)
        return reject("the value is longer than " + std::to_string(kMaxValueText) + " characters");
    ValueParser parser(text);
    ValuePtr value = parser.parse(type);
    if (!value)
        return reject(parser.error());
    return value;
}

ValuePtr ValueParser::parse(const TypePtr& type)
{
    auto result = value(type, 0);
    if (!result)
        return nullptr;
    if (lexer_.peek().kind != TokenKind::End)
        return fail(lexer_.peek(), "the end of the value");
    return result;
}

ValueParser::Out ValueParser::value(const TypePtr& type, int depth)
{
    if (depth > kMaxDepth)
        return refuse("the value is nested more than " + std::to_string(kMaxDepth) + " deep");
    switch (type->kind) {
    case Kind::OctetString:
        return string(type);
    case Kind::Integer:
        return integer(type);
    case Kind::Real:
        return real(type);
    case Kind::Boolean:
        return boolean(type);
    case Kind::Enumerated:
        return enumeration(type);
    case Kind::Sequence:
    case Kind::Set:
        return record(type, depth);
    case Kind::SetOf:
    case Kind::SequenceOf:
        return list(type, depth);
    case Kind::Choice:
        return choice(type, depth);
    }
    return nullptr;
}

ValueParser::Out ValueParser::element(const TypePtr& type, int depth)
{
    if (type->is_list() && lexer_.peek().kind != TokenKind::Open)
        return lone_item_list(type, depth);
    return value(type, depth);
}

// A list element that is itself a list, written as one simple value: the
// tool writes a set of sets of values without inner braces, {a,b,c}.
ValueParser::Out ValueParser::lone_item_list(const TypePtr& type, int depth)
{
    if (depth > kMaxDepth)
        return refuse("the value is nested more than " + std::to_string(kMaxDepth) + " deep");
    auto result = make(type);
    if (!result)
        return nullptr;
    const Token start = lexer_.peek();
    auto item = element(type->members.front().type, depth + 1);
    if (!item)
        return nullptr;
    result->items.push_back(std::move(item));
    if (type->is_record() && type->members.size() > 1)
        return refuse("member '" + type->members[1].name + "' is missing from the value " +
                                  Lexer::where(start.offset) + " (a record needs '{' and all its members)");
    return result;
}

ValueParser::Out ValueParser::string(const TypePtr& type)
{
    if (lexer_.peek().kind != TokenKind::String)
        return fail(lexer_.peek(), "a quoted string");
    auto result = make(type);
    if (result)
        result->text = lexer_.take().text;
    return result;
}

ValueParser::Out ValueParser::integer(const TypePtr& type)
{
    const Token token = lexer_.peek();
    long number = 0;
    if (token.kind != TokenKind::Number)
        return fail(token, "a whole number");
    if (!to_long(token.text, number)) {
        const bool digits_only = token.text.find_first_of(".eE") == std::string::npos;
        return refuse("'" + token.text + "' " + Lexer::where(token.offset) +
                                  (digits_only ? " is too large for an INTEGER" : " is not a whole number"));
    }
    auto result = make(type);
    if (result) {
        lexer_.take();
        result->text = std::to_string(number);
    }
    return result;
}

ValueParser::Out ValueParser::real(const TypePtr& type)
{
    const Token token = lexer_.peek();
    if (token.kind != TokenKind::Number)
        return fail(token, "a number");
    // from_chars, unlike strtod, does not follow the locale's decimal point.
    std::string_view digits = token.text;
    if (digits[0] == '+')
        digits.remove_prefix(1);
    double number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(number))
        return refuse("'" + token.text + "' " + Lexer::where(token.offset) + " is out of range for a REAL");
    auto result = make(type);
    if (result) {
        lexer_.take();
        result->text = std::string(digits);
    }
    return result;
}

ValueParser::Out ValueParser::boolean(const TypePtr& type)
{
    const Token token = lexer_.peek();
    const bool is_true = token.kind == TokenKind::Word && strcasecmp(token.text.c_str(), "TRUE") == 0;
    const bool is_false = token.kind == TokenKind::Word && strcasecmp(token.text.c_str(), "FALSE") == 0;
    if (!is_true && !is_false)
        return fail(token, "TRUE or FALSE");
    auto result = make(type);
    if (result) {
        lexer_.take();
        result->text = is_true ? "TRUE" : "FALSE";
    }
    return result;
}

ValueParser::Out ValueParser::enumeration(const TypePtr& type)
{
    const Token token = lexer_.peek();
    const auto& names = type->enumerators;
    auto found = names.end();
    long number = 0;
    if (token.kind == TokenKind::Word)
        found = std::find_if(names.begin(), names.end(), [&](const auto& e) { return e.first == token.text; });
    else if (token.kind == TokenKind::Number && to_long(token.text, number))
        found = std::find_if(names.begin(), names.end(), [&](const auto& e) { return e.second == number; });
    if (found == names.end()) {
        std::string known;
        for (const auto& e : names)
            known += (known.empty() ? "" : ", ") + e.first + "(" + std::to_string(e.second) + ")";
        return fail(token, "one of " + known);
    }
    auto result = make(type);
    if (result) {
        lexer_.take();
        result->text = found->first;
    }
    return result;
}

ValueParser::Out ValueParser::record(const TypePtr& type, int depth)
{
    if (lexer_.peek().kind != TokenKind::Open)
        return fail(lexer_.peek(), "'{' to begin a record");
    const Token open = lexer_.take();
    auto result = make(type);
    if (!result)
        return nullptr;
    result->items.resize(type->members.size());
    std::size_t next = 0;
    if (lexer_.peek().kind != TokenKind::Close) {
        do {
            if (!record_item(*result, next, depth))
                return nullptr;
        } while (lexer_.take_if(TokenKind::Comma));
    }
    if (lexer_.peek().kind != TokenKind::Close)
        return fail(lexer_.peek(), "',' or '}'");
    lexer_.take();
    for (std::size_t i = 0; i < result->items.size(); ++i)
        if (!result->items[i])
            return refuse("member '" + type->members[i].name + "' is missing from the record starting " +
                                     Lexer::where(open.offset));
    return result;
}

// One member, by position or as a "name value" pair. A name followed by ','
// or '}' is an enumeration value, not a member name.
bool ValueParser::record_item(Value& record, std::size_t& next, int depth)
{
    const auto& members = record.type->members;
    const Token first = lexer_.peek();
    std::size_t index = next;
    if (first.kind == TokenKind::Word) {
        const TokenKind after = lexer_.peek(1).kind;
        const bool named = after != TokenKind::Comma && after != TokenKind::Close && after != TokenKind::End &&
                           after != TokenKind::Colon;
        const auto it = std::find_if(members.begin(), members.end(), [&](const Member& m) { return m.name == first.text; });
        if (named && it != members.end()) {
            lexer_.take();
            index = static_cast<std::size_t>(it - members.begin());
        }
    }
    if (index >= members.size()) {
        refuse("the record has only " + std::to_string(members.size()) + " members; the value " +
                           Lexer::where(first.offset) + " is one too many");
        return false;
    }
    if (record.items[index]) {
        refuse("member '" + members[index].name + "' is given twice " + Lexer::where(first.offset));
        return false;
    }
    auto item = value(members[index].type, depth + 1);
    if (!item)
        return false;
    record.items[index] = std::move(item);
    next = index + 1;
    return true;
}

ValueParser::Out ValueParser::list(const TypePtr& type, int depth)
{
    if (lexer_.peek().kind != TokenKind::Open)
        return fail(lexer_.peek(), "'{' to begin a list");
    lexer_.take();
    auto result = make(type);
    if (!result)
        return nullptr;
    if (lexer_.take_if(TokenKind::Close))
        return result;
    do {
        auto item = element(type->members.front().type, depth + 1);
        if (!item)
            return nullptr;
        result->items.push_back(std::move(item));
    } while (lexer_.take_if(TokenKind::Comma));
    if (!lexer_.take_if(TokenKind::Close))
        return fail(lexer_.peek(), "',' or '}'");
    return result;
}

ValueParser::Out ValueParser::choice(const TypePtr& type, int depth)
{
    const Token name = lexer_.peek();
    const Member* alternative = name.kind == TokenKind::Word ? type->member(name.text) : nullptr;
    if (!alternative) {
        std::string known;
        for (const auto& m : type->members)
            known += (known.empty() ? "" : ", ") + m.name;
        return fail(name, "an alternative of the CHOICE (" + known + ")");
    }
    lexer_.take();
    lexer_.take_if(TokenKind::Colon);
    auto result = make(type);
    if (!result)
        return nullptr;
    auto item = value(alternative->type, depth + 1);
    if (!item)
        return nullptr;
    result->choice = name.text;
    result->items.push_back(std::move(item));
    return result;
}

ValueParser::Out ValueParser::make(const TypePtr& type)
{
    if (++parts_ > kMaxValueParts)
        return refuse("the value has more than " + std::to_string(kMaxValueParts) + " parts");
    auto result = std::make_shared<Value>();
    result->type = type;
    return result;
}

std::nullptr_t ValueParser::fail(const Token& found, const std::string& expected)
{
    if (found.kind == TokenKind::Bad)
        return refuse(lexer_.error());
    return refuse("expected " + expected + " " + Lexer::where(found.offset) + ", found " +
                              Lexer::describe(found));
}

std::nullptr_t ValueParser::refuse(const std::string& why)
{
    if (error_.empty())
        error_ = why;
    return nullptr;
}

}  // namespace qv::asn1
