// The ASN.1 syntax and value parsers on arbitrary text. The input's first
// line is a syntax, the rest a value read against it and against a few fixed
// syntaxes like the tool's. Besides crashes it checks that printing is
// canonical: whatever parses prints to a text that parses to the same print.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/Asn1.hpp"
#include "FuzzCheck.hpp"

using namespace qv::asn1;

namespace {


const char* const kFixedSyntaxes[] = {
    "OCTET STRING",
    "SET OF INTEGER",
    "SET OF SEQUENCE { host OCTET STRING, port INTEGER }",
    "SEQUENCE { name DisplayString, count INTEGER, on BOOLEAN, ratio REAL, state ENUMERATED { up(1), down(2) } }",
    "SET OF SET OF OCTET STRING",
    "CHOICE { name OCTET STRING, hops SEQUENCE OF CHOICE { n INTEGER, s SET OF BOOLEAN } }",
};

void check_value(const TypePtr& type, std::string_view text)
{
    std::string error;
    ValuePtr value = parse_value(type, text, &error);
    if (!value) {
        check(!error.empty());
        return;
    }
    const std::string printed = print_value(*value);
    ValuePtr again = parse_value(type, printed, &error);
    check(again != nullptr);
    check(print_value(*again) == printed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view syntax = input.substr(0, newline);
    const std::string_view value = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    std::string error;
    TypePtr type = parse_type(syntax, &error);
    if (type) {
        const std::string printed = print_type(*type);
        TypePtr again = parse_type(printed, &error);
        check(again != nullptr);
        check(print_type(*again) == printed);
        check_value(type, value);
    } else {
        check(!error.empty());
    }

    static const auto fixed = [] {
        std::vector<TypePtr> types;
        for (const char* text : kFixedSyntaxes)
            types.push_back(parse_type(text));
        return types;
    }();
    for (const TypePtr& t : fixed) {
        check(t != nullptr);
        check_value(t, input);
    }
    return 0;
}
