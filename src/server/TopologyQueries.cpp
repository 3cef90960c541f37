#include "server/TopologyQueries.hpp"

#include "protocol/Dn.hpp"
#include "server/RequestError.hpp"

namespace qv::server {

std::vector<std::string> TopologyQueries::pathnames(const std::string& dn)
{
    if (!index_.node(dn))
        throw RequestError(ErrorCode::NoSuchObject, "no such topology node: " + dn);
    PathMemo memo;
    return paths_to(dn, 0, memo);
}

const std::vector<std::string>& TopologyQueries::paths_to(const std::string& node, int depth, PathMemo& memo)
{
    auto known = memo.find(node);
    if (known != memo.end())
        return known->second;
    // Mark the node as under way: a cycle (refused on write, but be safe)
    // then ends in an empty list instead of recursing for ever.
    memo[node] = {};
    std::vector<std::string> out;
    auto row = index_.node(node);
    const std::string name = row ? row->name : std::string();
    const auto parents = depth < kMaxDepth ? index_.parents(node) : std::vector<std::string>{};
    if (parents.empty())
        out.push_back(name);
    for (const auto& parent : parents) {
        for (const auto& above : paths_to(parent, depth + 1, memo)) {
            if (out.size() >= kMaxPathnames)
                break;
            out.push_back(above + "/" + name);
        }
    }
    return memo[node] = std::move(out);
}

std::vector<std::string> TopologyQueries::system_names()
{
    std::vector<std::string> out{local_system_};
    for (const auto& ref : objects_.children("/", "system")) {
        const std::string name = qv::dn::system_of(*qv::dn::parse(ref.dn));
        if (name != local_system_)
            out.push_back(name);
    }
    return out;
}

std::optional<std::string> TopologyQueries::cmip_agent_for(const std::string& dn)
{
    const auto target = qv::dn::parse(dn);
    if (!target)
        return std::nullopt;
    std::optional<std::string> best;
    std::size_t best_depth = 0;
    for (const auto& agent : objects_.of_class("cmipAgentEntity")) {
        auto list = agent.attrs.find("managedObjects");
        if (list == agent.attrs.end() || !list->is_array())
            continue;
        for (const auto& entry : *list) {
            if (!entry.is_string())
                continue;
            auto held = qv::dn::parse(entry.get<std::string>());
            if (!held || !qv::dn::is_prefix(*held, *target))
                continue;
            if (!best || held->size() > best_depth) {
                best = agent.dn;
                best_depth = held->size();
            }
        }
    }
    return best;
}

}  // namespace qv::server
