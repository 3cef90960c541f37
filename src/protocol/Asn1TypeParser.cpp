#include "protocol/Asn1TypeParser.hpp"

#include <map>
#include <set>
#include <utility>

namespace qv::asn1 {

namespace {

bool ends_with(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Named string types of the usual MIB modules hold text like OCTET STRING.
bool is_string_type_name(std::string_view name)
{
    const bool reference = !name.empty() && name[0] >= 'A' && name[0] <= 'Z';
    return reference && ((ends_with(name, "String") && name.size() > 6) || name == "ObjectDescriptor" ||
                         name == "GeneralizedTime" || name == "UTCTime");
}

// Members, alternatives, enumerations and element identifiers: ASN.1
// identifiers begin with a lower-case letter, which is also what tells an
// element identifier from the element's type after SET OF.
bool is_identifier(const Token& token)
{
    return token.kind == TokenKind::Word && token.text[0] >= 'a' && token.text[0] <= 'z';
}

const char* keyword_of(Kind kind)
{
    switch (kind) {
    case Kind::Sequence:
        return "SEQUENCE";
    case Kind::Set:
        return "SET";
    default:
        return "CHOICE";
    }
}

}  // namespace

struct TypeParser::EnumeratorsSeen {
    std::vector<bool> numbered;              // per enumerator: written with a number
    std::set<std::string> names;
    std::map<long, std::string> numbers;     // the written numbers and their names
};

TypePtr parse_type(std::string_view text, std::string* error)
{
    if (text.size() > kMaxTypeText) {
        if (error)
            *error = "the syntax text is longer than " + std::to_string(kMaxTypeText) + " characters";
        return nullptr;
    }
    TypeParser parser(text);
    TypePtr type = parser.parse();
    if (!type && error)
        *error = parser.error();
    return type;
}

TypePtr TypeParser::parse()
{
    auto result = type(0);
    if (!result)
        return nullptr;
    if (lexer_.peek().kind != TokenKind::End)
        return fail(lexer_.peek(), "the end of the syntax");
    return result;
}

std::shared_ptr<Type> TypeParser::type(int depth)
{
    if (depth > kMaxDepth)
        return fail(lexer_.peek(), "a syntax nested at most " + std::to_string(kMaxDepth) + " deep");
    const Token word = lexer_.peek();
    if (word.kind != TokenKind::Word)
        return fail(word, "a type");
    lexer_.take();
    if (word.text == "SEQUENCE" || word.text == "SET") {
        const bool sequence = word.text == "SEQUENCE";
        if (lexer_.take_word("OF"))
            return collection(sequence ? Kind::SequenceOf : Kind::SetOf, depth);
        return constructed(sequence ? Kind::Sequence : Kind::Set, depth);
    }
    if (word.text == "CHOICE")
        return constructed(Kind::Choice, depth);
    if (word.text == "ENUMERATED")
        return enumerated();
    return simple(word);
}

std::shared_ptr<Type> TypeParser::simple(const Token& word)
{
    auto result = std::make_shared<Type>();
    result->spelling = word.text;
    if (word.text == "OCTET") {
        if (!lexer_.take_word("STRING"))
            return fail(lexer_.peek(), "STRING after OCTET");
        result->spelling = "OCTET STRING";
    } else if (word.text == "INTEGER") {
        result->kind = Kind::Integer;
    } else if (word.text == "REAL") {
        result->kind = Kind::Real;
    } else if (word.text == "BOOLEAN") {
        result->kind = Kind::Boolean;
    } else if (!is_string_type_name(word.text)) {
        error_ = "unknown type '" + word.text + "' " + Lexer::where(word.offset) +
                 " (known: OCTET STRING, INTEGER, REAL, BOOLEAN, ENUMERATED, SEQUENCE, SET, "
                 "SET OF, SEQUENCE OF, CHOICE and string types such as DisplayString)";
        return nullptr;
    }
    return result;
}

std::shared_ptr<Type> TypeParser::constructed(Kind kind, int depth)
{
    auto result = std::make_shared<Type>();
    result->kind = kind;
    if (!expect(TokenKind::Open, (std::string("'{' after ") + keyword_of(kind)).c_str()))
        return nullptr;
    std::set<std::string> names;
    do {
        const Token name = lexer_.peek();
        if (!is_identifier(name))
            return fail(name, "a member name (beginning with a lower-case letter)");
        lexer_.take();
        if (!names.insert(name.text).second) {
            error_ = "member '" + name.text + "' " + Lexer::where(name.offset) + " is named twice";
            return nullptr;
        }
        auto member_type = type(depth + 1);
        if (!member_type)
            return nullptr;
        result->members.push_back(Member{name.text, std::move(member_type)});
    } while (lexer_.take_if(TokenKind::Comma));
    if (!expect(TokenKind::Close, "',' or '}'"))
        return nullptr;
    return result;
}

std::shared_ptr<Type> TypeParser::collection(Kind kind, int depth)
{
    auto result = std::make_shared<Type>();
    result->kind = kind;
    std::string name;
    if (is_identifier(lexer_.peek()))
        name = lexer_.take().text;
    auto element = type(depth + 1);
    if (!element)
        return nullptr;
    result->members.push_back(Member{std::move(name), std::move(element)});
    return result;
}

std::shared_ptr<Type> TypeParser::enumerated()
{
    auto result = std::make_shared<Type>();
    result->kind = Kind::Enumerated;
    if (!expect(TokenKind::Open, "'{' after ENUMERATED"))
        return nullptr;
    EnumeratorsSeen seen;
    do {
        if (!enumerator(*result, seen))
            return nullptr;
    } while (lexer_.take_if(TokenKind::Comma));
    if (!expect(TokenKind::Close, "',' or '}'"))
        return nullptr;
    // As in ASN.1, a name without a number takes the smallest non-negative
    // number that no numbered name has, in order.
    std::set<long> used;
    for (const auto& [number, name] : seen.numbers)
        used.insert(number);
    long next = 0;
    for (std::size_t i = 0; i < seen.numbered.size(); ++i) {
        if (seen.numbered[i])
            continue;
        while (used.count(next))
            ++next;
        result->enumerators[i].second = next;
        used.insert(next);
    }
    return result;
}

bool TypeParser::enumerator(Type& type, EnumeratorsSeen& seen)
{
    const Token name = lexer_.peek();
    if (!is_identifier(name)) {
        fail(name, "an enumeration name (beginning with a lower-case letter)");
        return false;
    }
    lexer_.take();
    if (!seen.names.insert(name.text).second) {
        error_ = "enumeration name '" + name.text + "' " + Lexer::where(name.offset) + " is given twice";
        return false;
    }
    long number = 0;
    const bool has_number = lexer_.take_if(TokenKind::LParen);
    if (has_number) {
        const Token digits = lexer_.peek();
        if (digits.kind != TokenKind::Number || !to_long(digits.text, number)) {
            fail(digits, "a whole number for '" + name.text + "'");
            return false;
        }
        lexer_.take();
        const auto [earlier, fresh] = seen.numbers.emplace(number, name.text);
        if (!fresh) {
            error_ = "number " + digits.text + " " + Lexer::where(digits.offset) + " is given to both '" +
                     earlier->second + "' and '" + name.text + "'";
            return false;
        }
        if (!expect(TokenKind::RParen, "')'"))
            return false;
    }
    type.enumerators.emplace_back(name.text, number);
    seen.numbered.push_back(has_number);
    return true;
}

bool TypeParser::expect(TokenKind kind, const char* what)
{
    if (lexer_.peek().kind != kind) {
        fail(lexer_.peek(), what);
        return false;
    }
    lexer_.take();
    return true;
}

std::nullptr_t TypeParser::fail(const Token& found, const std::string& expected)
{
    if (found.kind == TokenKind::Bad)
        error_ = lexer_.error();
    else
        error_ = "expected " + expected + " " + Lexer::where(found.offset) + ", found " +
                 Lexer::describe(found);
    return nullptr;
}

}  // namespace qv::asn1
