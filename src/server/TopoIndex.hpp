// Lookup tables kept beside the topology nodes' JSON: name, type and number
// of each node, and every reference one node makes to another (parents,
// members, link ends, location parents), so that find-by-name, the parents of
// a node and the referrers of a deleted node are index lookups.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "server/Database.hpp"

namespace qv::server {

struct NodeRow {
    std::string dn;
    std::string system;
    std::int64_t number = 0;
    std::string name;
    std::string type;
};

struct NodeReference {
    std::string attr;  // the attribute holding the reference
    std::string target;
};

class TopoIndex {
public:
    explicit TopoIndex(Database& db) : db_(db) {}

    void put_node(const NodeRow& row);
    void remove_node(const std::string& dn);
    std::optional<NodeRow> node(const std::string& dn);

    // Nodes of that name in number order; of the given systems when not empty.
    std::vector<std::string> find_by_name(const std::string& name, const std::vector<std::string>& systems);
    bool type_in_use(const std::string& type);
    // A number never handed out before in that system.
    std::int64_t allocate_number(const std::string& system);

    // Replaces the references a node makes (adds them to a node new to the
    // table, which has none yet).
    void put_references(const std::string& source, const std::vector<NodeReference>& refs, bool is_new = false);
    std::vector<std::string> parents(const std::string& node);
    // The nodes that refer to target in any attribute.
    std::vector<std::string> referrers(const std::string& target);

private:
    Database& db_;
};

}  // namespace qv::server
