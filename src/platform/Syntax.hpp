// The ASN.1 syntax of a stored-data attribute, as the server declares it.
#pragma once

#include <memory>

#include "platform/Types.hpp"

class Platform;
namespace qv::asn1 {
struct Type;
}

class Syntax {
public:
    Syntax();  // no syntax: valid() is false
    // Looks the attribute's syntax up on the server (cached per connection).
    Syntax(const DataUnit& attribute_name, Platform& platform);
    // A syntax from its ASN.1 text, e.g. "SET OF SEQUENCE { host OCTET STRING, port INTEGER }".
    // Invalid when the text is not a syntax (qv::asn1::parse_type tells why).
    static Syntax from_text(const DataUnit& text);

    bool valid() const;
    DataUnit name() const;  // the attribute it was looked up for; a member's name for member()

    // get(0) is the syntax text with every named type expanded, depth levels
    // deep (0: completely).
    DUArray expansion(int depth) const;

    // SEQUENCE {..}, SET {..}, SET OF and SEQUENCE OF have members.
    bool is_list() const;
    // The member names of a SEQUENCE or SET; the one element name of a SET OF
    // or SEQUENCE OF (its identifier, else "element").
    RWTValSlist<RWCString> get_member_names() const;
    int num_members() const;
    Syntax member(const RWCString& name) const;  // invalid when there is none

    const std::shared_ptr<const qv::asn1::Type>& type() const { return type_; }
    explicit Syntax(std::shared_ptr<const qv::asn1::Type> type, std::string name = {});

private:
    std::shared_ptr<const qv::asn1::Type> type_;
    std::string name_;
};
