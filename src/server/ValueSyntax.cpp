#include "server/ValueSyntax.hpp"

#include "protocol/Asn1.hpp"
#include "server/RequestError.hpp"

namespace qv::server::value_syntax {

std::string check_type(const std::string& attribute, const std::string& syntax)
{
    std::string why;
    auto type = qv::asn1::parse_type(syntax, &why);
    if (!type)
        throw RequestError(ErrorCode::InvalidValue,
                           "the syntax of " + attribute + " is not a valid ASN.1 type: " + why);
    return qv::asn1::print_type(*type);
}

std::string check_value(const std::string& attribute, const std::string& syntax, const std::string& text)
{
    std::string why;
    auto type = qv::asn1::parse_type(syntax, &why);
    if (!type)
        throw RequestError(ErrorCode::InvalidValue, "the stored syntax of " + attribute + " is invalid: " + why);
    auto value = qv::asn1::parse_value(type, text, &why);
    if (!value)
        throw RequestError(ErrorCode::InvalidValue, "Invalid value for " + attribute + " (" +
                                                        qv::asn1::print_type(*type) + "): " + why);
    return qv::asn1::print_value(*value);
}

}  // namespace qv::server::value_syntax
