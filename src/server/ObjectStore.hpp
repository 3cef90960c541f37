// The managed objects table: one row per object, its attributes as JSON,
// its containment parent for derivations and subtree deletion.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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
    // The class and the attributes' JSON text as stored; false when there
    // is no such object.
    bool find_text(const std::string& dn, std::string& cls, std::string& attrs);
    std::optional<std::string> class_of(const std::string& dn);
    bool exists(const std::string& dn) { return class_of(dn).has_value(); }

    void insert(const StoredObject& object);
    // Inserts the object unless one of its DN exists; false then.
    bool insert_new(const StoredObject& object);
    void update_attrs(const std::string& dn, const nlohmann::json& attrs);
    // Inserts the object unless one of its DN exists; false then. The
    // attributes as JSON text (the loader spells it).
    bool insert_new_text(std::string_view dn, std::string_view parent, std::string_view cls,
                         std::string_view attrs);
    void update_attrs_text(std::string_view dn, std::string_view attrs);
    void remove(const std::string& dn);

    // The objects directly below parent, in creation order; of one class
    // when cls is not empty.
    std::vector<ObjectRef> children(const std::string& parent, const std::string& cls = {});
    // dn and everything below it, parents before children.
    std::vector<ObjectRef> subtree(const std::string& dn);
    std::vector<StoredObject> of_class(const std::string& cls);
    // Every object, parents before children.
    std::vector<StoredObject> all();
    // The objects (below and including the object below, or all when it is
    // empty) after position after, parents before children, given to take
    // until about max_bytes of them went; the position to go on from, 0 at
    // the end.
    std::int64_t page(const std::string& below, std::int64_t after, std::size_t max_bytes,
                      const std::function<void(StoredObject&&)>& take);
    // How many objects page() walks through: below and those under it, or all.
    std::int64_t count(const std::string& below);

private:
    Database& db_;
};

}  // namespace qv::server
