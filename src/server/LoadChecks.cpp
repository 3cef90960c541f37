#include "server/LoadChecks.hpp"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "server/RequestError.hpp"

namespace qv::server {

// The document's nodes as the database now holds them: each id once, at its
// last entry; sorted by id.
struct LoadChecks::Graph {
    std::vector<std::pair<std::int64_t, std::size_t>> nodes;  // id, entry

    std::int64_t id(std::size_t at) const { return nodes[at].first; }
    std::size_t entry_of(std::size_t at) const { return nodes[at].second; }
    std::size_t size() const { return nodes.size(); }
    // Position of a node of the document; npos for another.
    std::size_t find(std::int64_t id) const
    {
        auto it = std::lower_bound(nodes.begin(), nodes.end(), std::make_pair(id, std::size_t{0}));
        return it != nodes.end() && it->first == id ? static_cast<std::size_t>(it - nodes.begin())
                                                    : std::string::npos;
    }
};

void LoadChecks::add(std::size_t entry, const NodeEntry& node)
{
    if (ids_.size() <= entry) {
        ids_.resize(entry + 1, 0);
        first_ref_.resize(entry + 2, targets_.size());
    }
    ids_[entry] = node.id;
    for (const auto& [attr, target] : node.targets) {
        auto known = std::find(attr_names_.begin(), attr_names_.end(), attr);
        if (known == attr_names_.end())
            known = attr_names_.insert(known, attr);
        targets_.push_back(target);
        attrs_.push_back(static_cast<std::uint8_t>(known - attr_names_.begin()));
    }
    first_ref_[entry + 1] = targets_.size();
}

std::string LoadChecks::entry_name(std::size_t entry) const
{
    return "nodes[" + std::to_string(entry) + "] (id " + std::to_string(ids_[entry]) + ")";
}

void LoadChecks::verify(TopoIndex& index, const std::string& system) const
{
    Graph g;
    g.nodes.reserve(ids_.size());
    for (std::size_t e = 0; e < ids_.size(); ++e)
        if (ids_[e] > 0)
            g.nodes.emplace_back(ids_[e], e);
    // Sorted by id, then entry: the last of the same id stays.
    std::sort(g.nodes.begin(), g.nodes.end());
    auto last = g.nodes.begin();
    for (auto it = g.nodes.begin(); it != g.nodes.end(); ++it) {
        if (it + 1 != g.nodes.end() && (it + 1)->first == it->first)
            continue;
        *last++ = *it;
    }
    g.nodes.erase(last, g.nodes.end());
    check_targets(g, index, system);
    check_cycles(g, index, system);
}

void LoadChecks::check_targets(const Graph& g, TopoIndex& index, const std::string& system) const
{
    std::unordered_set<std::int64_t> stored;
    for (const auto& node : g.nodes)
        for (std::size_t e = node.second, r = first_ref_[e]; r < first_ref_[e + 1]; ++r) {
            const std::int64_t target = targets_[r];
            if (g.find(target) != std::string::npos || stored.count(target))
                continue;
            if (!index.node(node_dn(system, target)))
                throw RequestError(ErrorCode::InvalidValue, entry_name(e) + ": " + attr(r) +
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
    std::vector<char> state(g.size(), kUnseen);
    std::unordered_map<std::string, char> stored_state;
    const std::string prefix = node_dn(system, 1).substr(0, node_dn(system, 1).size() - 1);
    struct Step {
        std::size_t at;     // position in g, or npos for a stored node
        std::string dn;     // a stored node's DN
        std::vector<std::string> up;  // a stored node's parents, left to visit
        std::size_t next;   // a document node's next reference to look at
    };
    auto parents_of_stored = [&](const std::string& dn) {
        auto up = index.parents(dn);
        std::reverse(up.begin(), up.end());
        return up;
    };
    for (std::size_t start = 0; start < g.size(); ++start) {
        if (state[start] != kUnseen)
            continue;
        std::vector<Step> path{{start, {}, {}, first_ref_[g.entry_of(start)]}};
        state[start] = kOnPath;
        while (!path.empty()) {
            Step& top = path.back();
            std::string next_dn;
            std::size_t at = std::string::npos;
            bool have_next = false;
            if (top.at != std::string::npos) {
                const std::size_t end = first_ref_[g.entry_of(top.at) + 1];
                while (top.next < end && std::strcmp(attr(top.next), "parents") != 0)
                    ++top.next;
                if (top.next < end) {
                    const std::int64_t target = targets_[top.next++];
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
                throw RequestError(ErrorCode::Conflict, entry_name(g.entry_of(culprit)) + ": parents: " +
                                                            node_dn(system, g.id(culprit)) +
                                                            " would become its own ancestor");
            }
            if (seen == kDone)
                continue;
            if (at != std::string::npos) {
                state[at] = kOnPath;
                path.push_back({at, {}, {}, first_ref_[g.entry_of(at)]});
            } else {
                stored_state[next_dn] = kOnPath;
                path.push_back({std::string::npos, next_dn, parents_of_stored(next_dn), 0});
            }
        }
    }
}

}  // namespace qv::server
