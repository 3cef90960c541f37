// The ASN.1 syntaxes of stored-data attributes read on one connection: each
// is asked from the server once ("syntax" op) and parsed once, and so is the
// answer that the server knows none. Syntaxes are kept for the life of the
// connection.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "protocol/Asn1.hpp"

class Platform;

class SyntaxCache {
public:
    // The syntax of an attribute; null (and why in error) when the server
    // knows none or its text does not parse. A name without a module prefix
    // also finds a prefixed attribute of that name that some type declares.
    qv::asn1::TypePtr lookup(Platform& platform, const std::string& attribute, std::string* error = nullptr);
    // Reads, in one request, the syntaxes of those attributes that are not
    // known yet, so that the lookups that follow ask nothing. A failed
    // request is left to those lookups.
    void prefetch(Platform& platform, const std::vector<std::string>& attributes);
    // Stores syntaxes read elsewhere (texts by attribute name).
    void remember(const std::string& attribute, const std::string& text);
    void clear()
    {
        types_.clear();
        unknown_.clear();
    }

private:
    // The prefixed attribute a short name stands for; the name itself when none.
    static std::string full_name(const std::string& attribute);
    bool known(const std::string& attribute) const { return types_.count(attribute) || unknown_.count(attribute); }
    // Takes the answer to a "syntax" request for attribute: its type, or why
    // there is none.
    qv::asn1::TypePtr take(const std::string& attribute, const nlohmann::json& syntaxes, std::string& why);
    qv::asn1::TypePtr ask_server(Platform& platform, const std::string& attribute, std::string* error);
    std::map<std::string, qv::asn1::TypePtr> types_;
    std::map<std::string, std::string> unknown_;  // attribute: why it has no syntax
};
