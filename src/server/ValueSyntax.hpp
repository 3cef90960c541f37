// Stored-data values checked against their attribute's ASN.1 syntax. The
// only place the server calls the ASN.1 code.
#pragma once

#include <string>

namespace qv::server::value_syntax {

// The canonical spelling of a syntax text; RequestError (code 6) naming the
// attribute when it is not a syntax.
std::string check_type(const std::string& attribute, const std::string& syntax);

// The canonical value notation of text, a value of the syntax; RequestError
// (code 6) naming the attribute and what is wrong when it is not one.
std::string check_value(const std::string& attribute, const std::string& syntax, const std::string& text);

}  // namespace qv::server::value_syntax
