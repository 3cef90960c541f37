// A topology document read and checked, with its passwords hashed and its
// MIB directories read: everything the loader stores in one transaction.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/ChangeSet.hpp"
#include "server/NodeEntry.hpp"

namespace qv::server {

struct ObjectEntry {
    std::string dn;
    std::string cls;
    nlohmann::json attrs;
};

struct UserEntry {
    std::string name;
    std::string hash;
    RightSet rights;
};

struct LoadPlan {
    std::vector<std::pair<std::string, std::string>> syntaxes;  // attribute, canonical syntax
    std::vector<ObjectEntry> types;                              // as topoType objects
    std::vector<NodeEntry> nodes;
    std::vector<ObjectEntry> objects;
    std::vector<std::string> documents;                          // with the MIB modules found
    std::vector<std::string> systems;
    std::vector<UserEntry> users;
};

// How many entries of each list earlier parts of a document held: a part's
// entries are named by their place in the whole document.
struct EntryOffsets {
    std::size_t types = 0;
    std::size_t nodes = 0;
    std::size_t objects = 0;
    std::size_t users = 0;
};

// Reads a document (or a part of one, see DocumentParts) for the server whose
// system is system, from its JSON text, or from the value of the text's
// top-level member when member is not null (a request's "part" left in its
// frame, see RequestReader); what names the document in errors. Slow
// (password hashes, files) and touches no shared state: run it off the
// network thread. RequestError naming the entry at fault. checked: the
// text is known to be JSON nested within the frame limit, without a NUL.
LoadPlan read_topology_document(std::string_view text, const char* member, const std::string& what,
                                const std::string& system, const std::vector<std::string>& mib_roots,
                                const EntryOffsets& offsets = {}, bool checked = false);
// The same for a document at hand as JSON.
LoadPlan read_topology_document(const nlohmann::json& document, const std::string& system,
                                const std::vector<std::string>& mib_roots, const EntryOffsets& offsets = {});

}  // namespace qv::server
