// The ASN.1 syntaxes of stored-data attributes read on one connection: each
// is asked from the server once ("syntax" op) and parsed once.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "protocol/Asn1.hpp"

class Platform;

class SyntaxCache {
public:
    // The syntax of an attribute; null (and why in error) when the server
    // knows none or its text does not parse. A name without a module prefix
    // also finds a prefixed attribute of that name that some type declares.
    qv::asn1::TypePtr lookup(Platform& platform, const std::string& attribute, std::string* error = nullptr);
    // Stores syntaxes read elsewhere (texts by attribute name).
    void remember(const std::string& attribute, const std::string& text);
    void clear() { types_.clear(); }

private:
    qv::asn1::TypePtr ask_server(Platform& platform, const std::string& attribute, std::string* error);
    std::map<std::string, qv::asn1::TypePtr> types_;
};
