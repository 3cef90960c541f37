// ASN.1 syntaxes of stored-data attributes and their value notation.
// The server validates every stored value with this code; the client library
// wraps it as Syntax and Morf.
//
// Syntax text: OCTET STRING, INTEGER, REAL, BOOLEAN, ENUMERATED { a(0), b },
// SEQUENCE { m T, ... }, SET { m T, ... }, SET OF [name] T, SEQUENCE OF [name] T,
// CHOICE { a T, ... }, and other simple string types (DisplayString, ...),
// nested freely. Member, alternative and enumeration names begin with a
// lower-case letter; a type name ending in "String" (and ObjectDescriptor,
// GeneralizedTime, UTCTime) is a string type and holds octet-string values.
//
// Value notation: {v, v, ...} for records and lists (members by position;
// "member value" pairs also accepted), "text" with \" and \\ escapes for
// strings (any other backslash is kept as it is), decimal numbers with an
// optional sign, TRUE and FALSE (in any case), enumeration names or numbers,
// "alternative : value" for a CHOICE (the colon may be left out). Blanks and
// newlines may stand between tokens. Where a list's element is itself a list
// or record, a simple value alone is taken as a one-item list.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::asn1 {

// Hostile input must not exhaust the stack or the memory: texts longer than
// these, nested deeper, or values of more parts are refused.
inline constexpr int kMaxDepth = 64;
inline constexpr std::size_t kMaxTypeText = 64 * 1024;
inline constexpr std::size_t kMaxValueText = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxValueParts = 250000;

enum class Kind {
    OctetString,  // and every other simple string type
    Integer,
    Real,
    Boolean,
    Enumerated,
    Sequence,
    Set,
    SetOf,
    SequenceOf,
    Choice,
};

struct Type;
using TypePtr = std::shared_ptr<const Type>;

struct Member {
    std::string name;  // empty for the element of a SET OF / SEQUENCE OF written without one
    TypePtr type;
};

struct Type {
    Kind kind = Kind::OctetString;
    std::string spelling;              // OCTET STRING, DisplayString, ...: the simple type as written
    std::vector<Member> members;       // SEQUENCE, SET, CHOICE; one element for SET OF / SEQUENCE OF
    std::vector<std::pair<std::string, long>> enumerators;  // ENUMERATED

    bool is_list() const;  // SEQUENCE, SET, SET OF, SEQUENCE OF
    bool is_collection() const { return kind == Kind::SetOf || kind == Kind::SequenceOf; }
    bool is_record() const { return kind == Kind::Sequence || kind == Kind::Set; }
    // The element's identifier of a SET OF / SEQUENCE OF, "element" when it has none.
    std::string element_name() const;
    // A member by name; for a SET OF / SEQUENCE OF the element by element_name().
    const Member* member(std::string_view name) const;
};

// Parses a syntax text; nothing, and the reason, when it is not one.
TypePtr parse_type(std::string_view text, std::string* error = nullptr);
// The syntax text in its canonical spelling, e.g. "SET OF SEQUENCE { host OCTET STRING, port INTEGER }".
std::string print_type(const Type& type);

struct Value;
using ValuePtr = std::shared_ptr<const Value>;

struct Value {
    TypePtr type;
    std::string text;               // simple values: the string (unquoted), number, TRUE/FALSE, enum name
    std::vector<ValuePtr> items;    // lists and records, in order
    std::string choice;             // CHOICE: the alternative taken (items[0] is its value)
};

// Parses value notation against a type. Nothing, and a reason naming where
// the text went wrong, when the text is not a value of that type.
ValuePtr parse_value(const TypePtr& type, std::string_view text, std::string* error = nullptr);
// The canonical value notation: positional records, quoted strings, no blanks
// between items, e.g. {{"h1",161},{"h2",162}} or up : 3 for a CHOICE.
std::string print_value(const Value& value);

}  // namespace qv::asn1
