// A "nodes" entry of a topology document as a topology node's attributes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace qv::server {

// Largest node number a document may use.
inline constexpr std::int64_t kMaxNodeId = 999999999999999LL;

struct NodeLocation {
    std::int64_t parent = 0;  // node number
    std::int64_t x = 0, y = 0, z = 0;
};

struct NodeEntry {
    std::int64_t id = 0;
    std::string dn;
    // The members most entries are made of, as plain values (NodeEntrySax
    // reads them so when they have their usual shape); unset when absent or
    // in plain/references.
    std::optional<std::string> name, type;
    std::optional<std::vector<std::int64_t>> parents, links;
    std::optional<std::vector<NodeLocation>> locations;
    // Other attributes naming no other node, and the other parents, locations,
    // members and links: objects, or null for none (most entries).
    nlohmann::json plain;
    nlohmann::json references;
    // Every node number the entry names, with the attribute naming it: the
    // loader checks them once the whole document is in, as a node may name
    // one that comes later.
    std::vector<std::pair<const char*, std::int64_t>> targets;
};

// Completes an entry: read holds what NodeEntrySax read as plain values,
// rest the entry's other members as JSON (or the entry itself when it is no
// object). The system holds the nodes its ids name. RequestError (code 6)
// naming the member at fault.
NodeEntry read_node_entry(NodeEntry read, const nlohmann::json& rest, const std::string& system);

// The DN of node number id of a system.
std::string node_dn(const std::string& system, std::int64_t id);

}  // namespace qv::server
