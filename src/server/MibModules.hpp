// The module names of the MIB files in a directory: the identifier before
// "DEFINITIONS ::= BEGIN" in each file.
#pragma once

#include <string>
#include <vector>

namespace qv::server {

// The modules of every readable file of dir, sorted; nothing when dir does
// not exist. Files without a module definition are skipped.
std::vector<std::string> mib_modules(const std::string& dir);

// The module name defined in one MIB text, "" when there is none.
std::string mib_module_name(const std::string& text);

}  // namespace qv::server
