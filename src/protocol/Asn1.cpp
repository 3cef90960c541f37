#include "protocol/Asn1.hpp"

namespace qv::asn1 {

bool Type::is_list() const
{
    return is_record() || is_collection();
}

std::string Type::element_name() const
{
    if (!is_collection() || members.empty())
        return {};
    return members.front().name.empty() ? "element" : members.front().name;
}

const Member* Type::member(std::string_view name) const
{
    if (is_collection())
        return !members.empty() && name == element_name() ? &members.front() : nullptr;
    for (const auto& m : members)
        if (m.name == name)
            return &m;
    return nullptr;
}

namespace {

std::string print_members(const char* keyword, const Type& type)
{
    std::string out = keyword;
    out += " { ";
    for (std::size_t i = 0; i < type.members.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += type.members[i].name + " " + (type.members[i].type ? print_type(*type.members[i].type) : "");
    }
    return out + " }";
}

std::string print_enumerated(const Type& type)
{
    std::string out = "ENUMERATED { ";
    for (std::size_t i = 0; i < type.enumerators.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += type.enumerators[i].first + "(" + std::to_string(type.enumerators[i].second) + ")";
    }
    return out + " }";
}

std::string print_collection(const char* keyword, const Type& type)
{
    std::string out = keyword;
    if (type.members.empty() || !type.members.front().type)
        return out;
    if (!type.members.front().name.empty())
        out += " " + type.members.front().name;
    return out + " " + print_type(*type.members.front().type);
}

std::string quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

}  // namespace

std::string print_type(const Type& type)
{
    switch (type.kind) {
    case Kind::OctetString:
        return type.spelling.empty() ? "OCTET STRING" : type.spelling;
    case Kind::Integer:
        return "INTEGER";
    case Kind::Real:
        return "REAL";
    case Kind::Boolean:
        return "BOOLEAN";
    case Kind::Enumerated:
        return print_enumerated(type);
    case Kind::Sequence:
        return print_members("SEQUENCE", type);
    case Kind::Set:
        return print_members("SET", type);
    case Kind::SetOf:
        return print_collection("SET OF", type);
    case Kind::SequenceOf:
        return print_collection("SEQUENCE OF", type);
    case Kind::Choice:
        return print_members("CHOICE", type);
    }
    return {};
}

std::string print_value(const Value& value)
{
    if (!value.type)
        return {};
    switch (value.type->kind) {
    case Kind::OctetString:
        return quote(value.text);
    case Kind::Integer:
    case Kind::Real:
    case Kind::Boolean:
    case Kind::Enumerated:
        return value.text;
    case Kind::Choice:
        return value.choice + " : " + (value.items.empty() || !value.items[0] ? "" : print_value(*value.items[0]));
    default:
        break;
    }
    std::string out = "{";
    for (std::size_t i = 0; i < value.items.size(); ++i) {
        if (i > 0)
            out += ",";
        if (value.items[i])
            out += print_value(*value.items[i]);
    }
    return out + "}";
}

}  // namespace qv::asn1
