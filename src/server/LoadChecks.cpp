#include "server/LoadChecks.hpp"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "server/RequestError.hpp"

namespace qv::server {

// The document's nodes as the database now holds them: each id once, at its
// last entry.
struct LoadChecks::Graph {
    std::vector<std::int64_t> ids;      // sorted
    std::vector<std::size_t> entry_of;  // by position in ids

    // Position of a node of the document; npos for another.
    std::size_t find(std::int64_t id) const
    {
        auto it = std::lower_bound(ids.begin(), ids.end(), id);
        return it != ids.end() && *it == id ? static_cast<std::size_t>(it - ids.begin()) : std::string::npos;
    }
};

void LoadChecks::add(std::size_t entry, const NodeEntry& node)
{
    if (ids_.size() <= entry) {
        ids_.resize(entry + 1, 0);
        first_ref_.resize(entry + 2, refs_.size());
    }
    ids_[entry] = node.id;
    for (const auto& [attr, target] : node.targets)
        refs_.push_back({target, attr});
    first_ref_[entry + 1] = refs_.size();
}

std::string LoadChecks::entry_name(std::size_t entry) const
{
    return "nodes[" + std::to_string(entry) + "] (id " + std::to_string(ids_[entry]) + ")";
}

void LoadChecks::verify(TopoIndex& index, const std::string& system) const
{
    Graph g;
    std::vector<std::pair<std::int64_t, std::size_t>> order;
    order.reserve(ids_.size());
    for (std::size_t e = 0; e < ids_.size(); ++e)
        if (ids_[e] > 0)
            order.emplace_back(ids_[e], e);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i + 1 < order.size() && order[i + 1].first == order[i].first)
            continue;  // a later entry of the same id
        g.ids.push_back(order[i].first);
        g.entry_of.push_back(order[i].second);
    }
    order.clear();
    order.shrink_to_fit();
    check_targets(g, index, system);
    check_cycles(g, index, system);
}

void LoadChecks::check_targets(const Graph& g, TopoIndex& index, const std::string& system) const
{
    std::unordered_set<std::int64_t> stored;
    for (std::size_t e : g.entry_of)
        for (std::size_t r = first_ref_[e]; r < first_ref_[e + 1]; ++r) {
            const std::int64_t target = refs_[r].target;
            if (g.find(target) != std::string::npos || stored.count(target))
                continue;
            if (!index.node(node_dn(system, target)))
                throw RequestError(ErrorCode::InvalidValue, entry_name(e) + ": " + refs_[r].attr +
                                                                ": there is no topology node " +
                                                                node_dn(system, target));
            stored.insert(target);
        }
}

void LoadChecks::check_cycles(const Graph& g, TopoIndex& index, const std::string& system) const
{
    // Depth-first up the parents. A node of the document has its parents
    // here; a stored node not in the document has them in the database (which
    // already holds the document's nodes), and is named by its DN.
    enum : char { kUnseen, kOnPath, kDone };
    std::vector<char> state(g.ids.size(), kUnseen);
    std::unordered_map<std::string, char> stored_state;
    const std::string prefix = node_dn(system, 1).substr(0, node_dn(system, 1).size() - 1);
    struct Step {
        std::size_t at;     // position in g.ids, or npos for a stored node
        std::string dn;     // a stored node's DN
        std::vector<std::string> up;  // a stored node's parents, left to visit
        std::size_t next;   // a document node's next reference to look at
    };
    auto parents_of_stored = [&](const std::string& dn) {
        auto up = index.parents(dn);
        std::reverse(up.begin(), up.end());
        return up;
    };
    for (std::size_t start = 0; start < g.ids.size(); ++start) {
        if (state[start] != kUnseen)
            continue;
        std::vector<Step> path{{start, {}, {}, first_ref_[g.entry_of[start]]}};
        state[start] = kOnPath;
        while (!path.empty()) {
            Step& top = path.back();
            std::string next_dn;
            std::size_t at = std::string::npos;
            bool have_next = false;
            if (top.at != std::string::npos) {
                const std::size_t end = first_ref_[g.entry_of[top.at] + 1];
                while (top.next < end && std::strcmp(refs_[top.next].attr, "parents") != 0)
                    ++top.next;
                if (top.next < end) {
                    const std::int64_t target = refs_[top.next++].target;
                    at = g.find(target);
                    if (at == std::string::npos)
                        next_dn = node_dn(system, target);
                    have_next = true;
                }
            } else if (!top.up.empty()) {
                next_dn = std::move(top.up.back());
                top.up.pop_back();
                if (next_dn.compare(0, prefix.size(), prefix) == 0)
                    at = g.find(std::stoll(next_dn.substr(prefix.size())));
                have_next = true;
            }
            if (!have_next) {
                if (top.at != std::string::npos)
                    state[top.at] = kDone;
                else
                    stored_state[top.dn] = kDone;
                path.pop_back();
                continue;
            }
            const char seen = at != std::string::npos ? state[at] : stored_state[next_dn];
            if (seen == kOnPath) {
                // The cycle runs from that node to here; name a node of the document on it.
                std::size_t culprit = at;
                for (auto it = path.rbegin(); culprit == std::string::npos && it != path.rend(); ++it)
                    culprit = it->at;
                throw RequestError(ErrorCode::Conflict, entry_name(g.entry_of[culprit]) + ": parents: " +
                                                            node_dn(system, g.ids[culprit]) +
                                                            " would become its own ancestor");
            }
            if (seen == kDone)
                continue;
            if (at != std::string::npos) {
                state[at] = kOnPath;
                path.push_back({at, {}, {}, first_ref_[g.entry_of[at]]});
            } else {
                stored_state[next_dn] = kOnPath;
                path.push_back({std::string::npos, next_dn, parents_of_stored(next_dn), 0});
            }
        }
    }
}

}  // namespace qv::server
