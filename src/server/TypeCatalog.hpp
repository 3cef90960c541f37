// The topology types of the local system, read from their topoType objects.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "server/ObjectStore.hpp"

namespace qv::server {

struct TopoType {
    std::string dn;
    std::string name;
    std::vector<std::string> kinds;
    std::vector<std::string> attributes;

    bool has_kind(const std::string& kind) const;
    bool is_view() const { return has_kind("view"); }
};

class TypeCatalog {
public:
    TypeCatalog(ObjectStore& objects, std::string local_system);

    std::string dn_of(const std::string& type_name) const;
    std::optional<TopoType> find(const std::string& type_name);
    std::vector<TopoType> all();

    static const std::vector<std::string>& kind_words();
    static TopoType from_object(const StoredObject& object);

private:
    ObjectStore& objects_;
    std::string system_dn_;
};

}  // namespace qv::server
