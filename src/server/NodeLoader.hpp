// Stores the nodes of a loaded document, a run of entries at a time: each
// node written once and checked as NodeSchema checks any node (the nodes it
// names are the loader's to check at the end, see LoadChecks), the JSON of
// its attributes spelt from the entry directly, and the rows of a run
// written table after table, which SQLite does markedly faster than node
// after node. Runs inside the loader's transaction.
#pragma once

#include <string>
#include <vector>

#include "server/ChangeSet.hpp"
#include "server/NodeEntry.hpp"
#include "server/NodeSchema.hpp"
#include "server/ObjectStore.hpp"
#include "server/TopoIndex.hpp"

namespace qv::server {

class NodeLoader {
public:
    NodeLoader(ObjectStore& objects, TopoIndex& index, NodeSchema& schema)
        : objects_(objects), index_(index), schema_(schema)
    {
    }

    // Makes each node hold exactly what its entry says; nodes[i] is the
    // document's entry first + i, of the system's nodes. Records the changes
    // when changes is not null. RequestError naming the entry at fault.
    void load(const std::vector<NodeEntry>& nodes, std::size_t first, const std::string& system,
              ChangeSet* changes);

private:
    struct Row {
        std::string attrs;  // as stored
        std::string name, type;
        std::vector<NodeReference> refs;
        bool existed = false;
    };

    Row prepare(const NodeEntry& entry, const std::string& system);
    // Appends a node DN as a JSON string.
    void append_dn_text(std::string& out, const std::string& dn, const std::string& system);
    void write(const std::vector<NodeEntry>& nodes, std::size_t begin, std::vector<Row>& rows, std::size_t first,
               const std::string& system, ChangeSet* changes);

    ObjectStore& objects_;
    TopoIndex& index_;
    NodeSchema& schema_;
    // What append_dn_text keeps: the DNs of system's nodes begin with
    // dn_prefix_, which is dn_prefix_text_ as JSON (without its end).
    std::string dn_system_, dn_prefix_, dn_prefix_text_;
};

}  // namespace qv::server
