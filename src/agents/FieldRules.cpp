#include "agents/FieldRules.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <regex>

namespace {

const char kBlanks[] = " \t\n";

}  // namespace

RWCString strip_blanks(const RWCString& text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == RWCString::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

RWCString entity_name_from_text(const RWCString& text)
{
    const auto marker = text.find("id:\"");
    if (marker == RWCString::npos)
        return text;
    const auto start = marker + 4;
    const auto end = text.find('"', start);
    return text.substr(start, end == RWCString::npos ? RWCString::npos : end - start);
}

RWCString entity_name_loosely(const RWCString& text)
{
    const auto marker = text.find("id");
    if (marker == RWCString::npos)
        return text;
    const auto open = text.find('"', marker);
    const auto close = text.rfind('"');
    if (open == RWCString::npos || close <= open)
        return text;
    return text.substr(open + 1, close - open - 1);
}

bool normalise_ap_title(const RWCString& field, RWCString& title)
{
    static const std::regex oid("^\\{[ \n\t0-9]+[ \n\t0-9]+\\}$");
    RWCString text = strip_blanks(field);
    if (text.empty())
        return false;
    if (text.front() != '{')
        text = "{ " + text;
    if (text.back() != '}')
        text += " }";
    if (!std::regex_match(text, oid))
        return false;
    title = text;
    return true;
}

bool normalise_ae_qualifier(const RWCString& field, RWCString& qualifier)
{
    static const std::regex integer("^[ \n\t]*-?[0-9]+$");
    const RWCString text = strip_blanks(field);
    if (text.empty()) {
        qualifier = "-1";
        return true;
    }
    if (!std::regex_match(text, integer))
        return false;
    qualifier = text;
    return true;
}

long invoke_id_value(const RWCString& field)
{
    errno = 0;
    const long long value = std::strtoll(field.c_str(), nullptr, 10);
    // The server keeps 32-bit invoke ids: a number beyond is no number.
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return 0;
    return static_cast<long>(value);
}

RWCString strip_hex_marker(const RWCString& sap)
{
    if (sap.size() >= 2 && sap[0] == '0' && (sap[1] == 'x' || sap[1] == 'X'))
        return sap.substr(2);
    return sap;
}

bool valid_port(const RWCString& port)
{
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != RWCString::npos)
        return false;
    const long value = std::stol(port);
    return value >= 1 && value <= 65535;
}
