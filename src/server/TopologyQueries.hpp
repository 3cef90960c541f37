// Read-only questions about the topology: path names from the root views,
// the systems, and the CMIP agent serving an object.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "server/ObjectStore.hpp"
#include "server/TopoIndex.hpp"

namespace qv::server {

class TopologyQueries {
public:
    // Path names beyond these are not listed: a graph of many shared views
    // would otherwise multiply them without end.
    static constexpr std::size_t kMaxPathnames = 1000;
    static constexpr int kMaxDepth = 256;

    TopologyQueries(ObjectStore& objects, TopoIndex& index, std::string local_system)
        : objects_(objects), index_(index), local_system_(std::move(local_system))
    {
    }

    // One "Root/Child/.../name" per path from a node without parents down to
    // the node, in the order of each node's parents. Code 3 when dn is no node.
    std::vector<std::string> pathnames(const std::string& dn);
    // The local system first, then the others in creation order.
    std::vector<std::string> system_names();
    // The CMIP agent entity whose managedObjects holds dn or the nearest
    // object above it; nothing when none does.
    std::optional<std::string> cmip_agent_for(const std::string& dn);

private:
    using PathMemo = std::unordered_map<std::string, std::vector<std::string>>;
    const std::vector<std::string>& paths_to(const std::string& node, int depth, PathMemo& memo);

    ObjectStore& objects_;
    TopoIndex& index_;
    std::string local_system_;
};

}  // namespace qv::server
