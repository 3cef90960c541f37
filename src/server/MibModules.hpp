// The module names of the MIB files in a directory: the identifier before
// "DEFINITIONS ::= BEGIN" in each file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qv::server {

// The directories below which MIB files are read: the operator's (--mib-dir),
// never whatever a document names, so that a request cannot make the server
// read devices, /proc or other users' files.
inline constexpr std::size_t kMaxMibFiles = 20000;
inline constexpr std::size_t kMaxMibFileBytes = 4u * 1024u * 1024u;

// The modules of the regular files of dir, sorted; nothing when dir does not
// exist. Files without a module definition, links and files larger than
// kMaxMibFileBytes are skipped. RequestError (code 6) when dir is not one of
// roots or below one, or holds more than kMaxMibFiles entries.
std::vector<std::string> mib_modules(const std::string& dir, const std::vector<std::string>& roots);

// The module name defined in one MIB text, "" when there is none.
std::string mib_module_name(const std::string& text);

}  // namespace qv::server
