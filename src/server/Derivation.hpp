// Derivation texts: "BASE/*" (the objects directly below BASE, "/*" for the
// systems), optionally followed by "/CMISFilter(objectClass=C)". A BASE
// without a leading "/" is relative to the local system.
#pragma once

#include <string>

namespace qv::server {

struct Derivation {
    std::string base;  // canonical DN
    std::string cls;   // the class filter, empty for none
};

// RequestError code 1 for a text of another form, code 9 for a bad BASE.
Derivation parse_derivation(const std::string& text, const std::string& local_system);

}  // namespace qv::server
