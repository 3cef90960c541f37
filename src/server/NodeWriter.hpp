// Creating, changing and deleting topology nodes: their schema, the rights
// each attribute needs, type and parent rules, and the lookup tables beside them.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/ChangeSet.hpp"
#include "server/NodeSchema.hpp"
#include "server/ObjectStore.hpp"
#include "server/TopoIndex.hpp"
#include "server/TypeCatalog.hpp"

namespace qv::server {

class NodeWriter {
public:
    NodeWriter(ObjectStore& objects, TopoIndex& index, NodeSchema& schema, TypeCatalog& types)
        : objects_(objects), index_(index), schema_(schema), types_(types)
    {
    }

    // dn may be empty: the node is numbered in system. Returns the node's DN.
    std::string create(const RightSet& held, const std::string& dn, const std::string& system,
                       const nlohmann::json& attrs, ChangeSet& changes);
    void set(const RightSet& held, const StoredObject& node, const nlohmann::json& attrs, ChangeSet& changes);
    // Takes the node out of every other node's references (its own row is
    // deleted by the caller).
    void forget(const std::string& dn, ChangeSet& changes);
    // Makes dn hold exactly attrs (without references, which the loader sets
    // afterwards), whether or not it existed.
    void replace(const std::string& dn, const nlohmann::json& attrs, ChangeSet& changes);
    bool type_in_use(const std::string& type_name) { return index_.type_in_use(type_name); }

private:
    std::string new_dn(const std::string& dn, const std::string& system);
    nlohmann::json normalized(const nlohmann::json& attrs);
    void check_type_change(const std::string& from, const std::string& to);
    void check_no_cycle(const std::string& dn, const nlohmann::json& parents);
    void store(const std::string& dn, const nlohmann::json& attrs, bool references_changed);

    ObjectStore& objects_;
    TopoIndex& index_;
    NodeSchema& schema_;
    TypeCatalog& types_;
};

}  // namespace qv::server
