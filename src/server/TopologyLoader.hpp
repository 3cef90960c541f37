// Stores a read topology document, part after part. Runs inside the caller's
// one transaction, so that on the first error nothing of the document is
// kept. Each node is written once, with its references; what those name is
// checked at the end (LoadChecks).
#pragma once

#include <nlohmann/json.hpp>

#include "server/LoadChecks.hpp"
#include "server/LoadPlan.hpp"
#include "server/NodeLoader.hpp"
#include "server/ObjectService.hpp"
#include "server/SyntaxStore.hpp"
#include "server/UserStore.hpp"

namespace qv::server {

// What the parts of one document stored so far.
struct LoadProgress {
    EntryOffsets seen;
    LoadChecks checks;
    // Once false, nodes are stored without a change record each (a load too
    // large to announce node by node).
    bool record_node_changes = true;
};

class TopologyLoader {
public:
    TopologyLoader(ObjectService& objects, NodeLoader& nodes, NodeSchema& schema, ObjectStore& store,
                   TopoIndex& index, SyntaxStore& syntaxes, UserStore& users)
        : objects_(objects),
          nodes_(nodes),
          schema_(schema),
          store_(store),
          index_(index),
          syntaxes_(syntaxes),
          users_(users)
    {
    }

    // Stores one part (or the whole) of a document.
    void apply(const LoadPlan& plan, LoadProgress& progress, ChangeSet& changes);
    // The checks left for the end; {"nodes": n, "types": n, "objects": n, "users": n}.
    nlohmann::json finish(const LoadProgress& progress);

private:
    void add_documents(const std::vector<std::string>& documents, ChangeSet& changes);
    void add_systems(const std::vector<std::string>& systems, ChangeSet& changes);
    void put_nodes(const LoadPlan& plan, LoadProgress& progress, ChangeSet& changes);

    ObjectService& objects_;
    NodeLoader& nodes_;
    NodeSchema& schema_;
    ObjectStore& store_;
    TopoIndex& index_;
    SyntaxStore& syntaxes_;
    UserStore& users_;
};

// Reads plans from the parts of a document file and stores them in the
// caller's transaction (start-up's --load, and the tests).
nlohmann::json load_document_file(const std::string& path, const std::string& system,
                                  const std::vector<std::string>& mib_roots, TopologyLoader& loader,
                                  ChangeSet& changes);

}  // namespace qv::server
