// Stores a read topology document. Runs inside the caller's transaction, so
// that on the first error nothing of the document is kept.
#pragma once

#include <nlohmann/json.hpp>

#include "server/LoadPlan.hpp"
#include "server/NodeWriter.hpp"
#include "server/ObjectService.hpp"
#include "server/SyntaxStore.hpp"
#include "server/UserStore.hpp"

namespace qv::server {

class TopologyLoader {
public:
    TopologyLoader(ObjectService& objects, NodeWriter& nodes, ObjectStore& store, SyntaxStore& syntaxes,
                   UserStore& users)
        : objects_(objects), nodes_(nodes), store_(store), syntaxes_(syntaxes), users_(users)
    {
    }

    // {"nodes": n, "types": n, "objects": n, "users": n}
    nlohmann::json apply(const LoadPlan& plan, ChangeSet& changes);

private:
    void add_documents(const std::vector<std::string>& documents, ChangeSet& changes);
    void add_systems(const std::vector<std::string>& systems, ChangeSet& changes);
    void put_nodes(const LoadPlan& plan, ChangeSet& changes);

    ObjectService& objects_;
    NodeWriter& nodes_;
    ObjectStore& store_;
    SyntaxStore& syntaxes_;
    UserStore& users_;
};

}  // namespace qv::server
