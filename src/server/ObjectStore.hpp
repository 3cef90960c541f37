// The managed objects table: one row per object, its attributes as JSON,
// its containment parent for derivations and subtree deletion.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/Database.hpp"

namespace qv::server {

struct StoredObject {
    std::string dn;      // canonical
    std::string parent;  // canonical DN of the containing object, "/" for a system
    std::string cls;
    nlohmann::json attrs = nlohmann::json::object();
};

struct ObjectRef {
    std::string dn;
    std::string cls;
};

class ObjectStore {
public:
    explicit ObjectStore(Database& db) : db_(db) {}

    std::optional<StoredObject> find(const std::string& dn);
    std::optional<std::string> class_of(const std::string& dn);
    bool exists(const std::string& dn) { return class_of(dn).has_value(); }

    void insert(const StoredObject& object);
    void update_attrs(const std::string& dn, const nlohmann::json& attrs);
    void remove(const std::string& dn);

    // The objects directly below parent, in creation order; of one class
    // when cls is not empty.
    std::vector<ObjectRef> children(const std::string& parent, const std::string& cls = {});
    // dn and everything below it, parents before children.
    std::vector<ObjectRef> subtree(const std::string& dn);
    std::vector<StoredObject> of_class(const std::string& cls);
    // Every object, parents before children.
    std::vector<StoredObject> all();

private:
    Database& db_;
};

}  // namespace qv::server
