// A value together with its syntax, parsed from and printed to the value
// notation: braces around lists and records, "," between items, double quotes
// around strings, bare numbers, TRUE and FALSE, enumeration names.
#pragma once

#include <memory>

#include "platform/Syntax.hpp"
#include "platform/Types.hpp"

namespace qv::asn1 {
struct Value;
}

class Morf {
public:
    Morf();  // no value
    Morf(const Syntax& syntax, const DataUnit& text);

    bool has_value() const;
    DataUnit error() const;  // why there is no value
    bool is_list() const;
    Syntax get_syntax() const;
    // The elements of a list or the members of a record, in order; the one
    // value a CHOICE holds; nothing for a simple value. Each part's syntax is
    // its own (named after its member or element).
    RWTValSlist<Morf> split_array() const;
    // A simple value's text (a string without its quotes, a number, TRUE, an
    // enumeration name); the notation of a list, a record or a CHOICE.
    DataUnit get_str(int reserved = 0) const;
    // The value notation.
    DataUnit notation() const;

private:
    Morf(Syntax syntax, std::shared_ptr<const qv::asn1::Value> value);
    Syntax syntax_;
    std::shared_ptr<const qv::asn1::Value> value_;
    std::string error_;
};
