// Writes to managed objects as requests make them: containment, naming,
// class schemas and rights, for every class. Topology nodes are handed to
// NodeWriter. Runs inside the caller's transaction and records what changed.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/ChangeSet.hpp"
#include "server/ClassSchema.hpp"
#include "server/NodeWriter.hpp"
#include "server/ObjectStore.hpp"

namespace qv::server {

class ObjectService {
public:
    ObjectService(ObjectStore& objects, ClassSchema& schema, NodeWriter& nodes, std::string local_system);

    const std::string& local_system() const { return local_system_; }

    // The object with every attribute (a node's unset ones at their
    // defaults); code 3 when there is none.
    StoredObject get(const std::string& dn);
    // The attributes get(dn) gives, appended to out as JSON text, without
    // building them as objects; the object's class in cls.
    void append_attrs_text(const std::string& dn, std::string& cls, std::string& out);

    // Returns the DN created. For a topoNode, dn may be empty (then system,
    // or the local system, numbers it).
    std::string create(const RightSet& held, const std::string& dn, const std::string& cls,
                       const nlohmann::json& attrs, const std::string& system, ChangeSet& changes);
    void set(const RightSet& held, const std::string& dn, const nlohmann::json& attrs, ChangeSet& changes);
    // The object and everything below it; returns what was deleted.
    std::vector<std::string> remove(const RightSet& held, const std::string& dn, ChangeSet& changes);
    // For the loader: dn holds exactly attrs afterwards (created if missing).
    // known_parent, when given, is a DN the caller knows to exist (kept
    // across calls: a load's objects mostly share a few parents).
    void replace(const std::string& dn, const std::string& cls, const nlohmann::json& attrs, ChangeSet& changes,
                 std::string* known_parent = nullptr);

    // The local system's own objects, which cannot be deleted.
    std::vector<std::pair<std::string, std::string>> fixed_objects() const;
    bool is_fixed(const std::string& dn) const;

private:
    // The values as stored; RequestError for one the class refuses.
    nlohmann::json normalized(const std::string& cls, const std::string& dn, const nlohmann::json& attrs);
    // The same for a whole new object: with what its class fills in when absent.
    nlohmann::json whole(const std::string& cls, const std::string& dn, const nlohmann::json& attrs);
    // known_new: the caller has just looked dn up and found nothing.
    std::string parent_of_new(const std::string& dn, const std::string& cls, bool known_new = false,
                              std::string* known_parent = nullptr);

    ObjectStore& objects_;
    ClassSchema& schema_;
    NodeWriter& nodes_;
    std::string local_system_;
};

}  // namespace qv::server
