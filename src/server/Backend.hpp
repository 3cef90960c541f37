// The server's storage and rules wired together: the database, its stores,
// the schemas, the write services, the loader and the read-only queries.
// Everything a request handler works with, without the network.
#pragma once

#include <string>

#include "server/AuditTrail.hpp"
#include "server/ClassSchema.hpp"
#include "server/Database.hpp"
#include "server/NodeLoader.hpp"
#include "server/NodeSchema.hpp"
#include "server/NodeWriter.hpp"
#include "server/ObjectService.hpp"
#include "server/ObjectStore.hpp"
#include "server/SyntaxStore.hpp"
#include "server/TopoIndex.hpp"
#include "server/TopologyLoader.hpp"
#include "server/TopologyQueries.hpp"
#include "server/TypeCatalog.hpp"
#include "server/UserStore.hpp"

namespace qv::server {

class Backend {
    std::string system_name_;  // first: the members below are built from it

public:
    // Opens the database and makes sure the local system's own objects exist.
    Backend(const std::string& db_path, const std::string& system_name);

    const std::string& system_name() const { return system_name_; }

    // Reads and stores a topology document file in one transaction, part
    // after part, recorded as a load by the server itself; throws
    // RequestError or std::runtime_error with the reason.
    nlohmann::json load_file(const std::string& path, const std::vector<std::string>& mib_roots = {});

    Database db;
    AuditTrail audit;
    ObjectStore objects;
    TopoIndex index;
    SyntaxStore syntaxes;
    UserStore users;
    TypeCatalog types;
    NodeSchema node_schema;
    ClassSchema class_schema;
    NodeWriter nodes;
    NodeLoader node_loader;
    ObjectService service;
    TopologyLoader loader;
    TopologyQueries queries;

private:
    void create_fixed_objects();
};

}  // namespace qv::server
