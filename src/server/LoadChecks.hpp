// What the loader checks once a whole document is in, as a node may name one
// that comes later in the document: every node named exists, and no node
// becomes its own ancestor. Kept as numbers, not as nodes, so that a
// document of a million nodes costs a few bytes a reference.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "server/NodeEntry.hpp"
#include "server/TopoIndex.hpp"

namespace qv::server {

class LoadChecks {
public:
    // Notes the node of the document's entry number entry (a later entry of
    // the same id replaces an earlier one, as it did in the database).
    void add(std::size_t entry, const NodeEntry& node);

    // RequestError (code 6, or 10 for a cycle) naming the entry at fault.
    // The nodes of the document are in the database already.
    void verify(TopoIndex& index, const std::string& system) const;

private:
    struct Graph;

    std::string entry_name(std::size_t entry) const;
    void check_targets(const Graph& g, TopoIndex& index, const std::string& system) const;
    void check_cycles(const Graph& g, TopoIndex& index, const std::string& system) const;

    const char* attr(std::size_t ref) const { return attr_names_[attrs_[ref]]; }

    std::vector<std::int64_t> ids_;         // by entry
    std::vector<std::size_t> first_ref_;    // by entry: where its references begin below
    // The references: the node named and the attribute naming it, by its
    // place in attr_names_ (a byte, not a pointer, for each of millions).
    std::vector<std::int64_t> targets_;
    std::vector<std::uint8_t> attrs_;
    std::vector<const char*> attr_names_;
};

}  // namespace qv::server
