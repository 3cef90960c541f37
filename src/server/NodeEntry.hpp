// A "nodes" entry of a topology document as a topology node's attributes.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace qv::server {

struct NodeEntry {
    std::int64_t id = 0;
    std::string dn;
    nlohmann::json plain = nlohmann::json::object();       // attributes naming no other node
    nlohmann::json references = nlohmann::json::object();  // parents, locations, members, links
    // Every node number those name, with the attribute naming it: the loader
    // checks them once the whole document is in, as a node may name one
    // that comes later.
    std::vector<std::pair<const char*, std::int64_t>> targets;
};

// Reads one entry; the system holds the nodes its ids name. RequestError
// (code 6) naming the member at fault.
NodeEntry read_node_entry(const nlohmann::json& entry, const std::string& system);

// The DN of node number id of a system.
std::string node_dn(const std::string& system, std::int64_t id);

}  // namespace qv::server
