#include "server/NodeEntry.hpp"

#include "protocol/Dn.hpp"
#include "server/JsonCheck.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

json id_list(const json& ids, const std::string& system, const char* attr, const std::string& what,
            NodeEntry& e)
{
    json out = json::array();
    for (const auto& id : check::array(ids, what)) {
        const std::int64_t n = check::integer(id, what, 1, kMaxNodeId);
        e.targets.emplace_back(attr, n);
        out.push_back(node_dn(system, n));
    }
    return out;
}

void read_monitor(const json& m, const std::string& system, NodeEntry& e)
{
    check::object(m, "monitor");
    check::only_members(m, {"max_visible", "rotation", "visible", "hidden"}, "monitor");
    if (m.contains("max_visible"))
        e.plain["monitorMaxVisible"] = m["max_visible"];
    if (m.contains("rotation"))
        e.plain["monitorRotation"] = m["rotation"];
    if (m.contains("visible"))
        e.references["monitorVisibleChildren"] =
            id_list(m["visible"], system, "monitorVisibleChildren", "monitor.visible", e);
    if (m.contains("hidden"))
        e.references["monitorHiddenChildren"] =
            id_list(m["hidden"], system, "monitorHiddenChildren", "monitor.hidden", e);
}

void read_array(const json& a, const std::string& system, NodeEntry& e)
{
    check::object(a, "array");
    check::only_members(a, {"visible", "hidden", "orientation", "columns", "cell_width", "cell_height"}, "array");
    if (a.contains("visible"))
        e.references["arrayVisibleChildren"] =
            id_list(a["visible"], system, "arrayVisibleChildren", "array.visible", e);
    if (a.contains("hidden"))
        e.references["arrayHiddenChildren"] =
            id_list(a["hidden"], system, "arrayHiddenChildren", "array.hidden", e);
    if (a.contains("orientation")) {
        const std::string& o = check::string(a["orientation"], "array.orientation");
        if (o != "horizontal" && o != "vertical")
            check::fail("array.orientation", "\"horizontal\" or \"vertical\"");
        e.plain["arrayOrientation"] = o == "vertical" ? 1 : 0;
    }
    if (a.contains("columns"))
        e.plain["arrayNumColumns"] = a["columns"];
    if (a.contains("cell_width") || a.contains("cell_height"))
        e.plain["arrayCellSize"] = json{{"width", a.value("cell_width", json(0))},
                                        {"height", a.value("cell_height", json(25))}};
}

json locations(const json& list, const std::string& system, NodeEntry& e)
{
    json out = json::array();
    for (const auto& item : check::array(list, "locations")) {
        check::object(item, "locations");
        json loc = item;
        const std::int64_t n =
            check::integer(check::member(item, "parent", "locations"), "locations.parent", 1, kMaxNodeId);
        e.targets.emplace_back("logicalLocations", n);
        loc["parent"] = node_dn(system, n);
        out.push_back(loc);
    }
    return out;
}

json agent_dns(const json& list, const std::string& system)
{
    json out = json::array();
    for (const auto& item : check::array(list, "agents")) {
        auto dn = qv::dn::parse(check::dn(item, "agents"));
        out.push_back(qv::dn::format(qv::dn::resolve(*dn, qv::dn::system_dn(system))));
    }
    return out;
}

}  // namespace

std::string node_dn(const std::string& system, std::int64_t id)
{
    // Called for every node and every reference of a document: the system's
    // DN is spelt once.
    thread_local std::string last_system, prefix;
    if (prefix.empty() || system != last_system) {
        last_system = system;
        prefix = qv::dn::format(qv::dn::system_dn(system)) + "/topoNodeId=";
    }
    return prefix + std::to_string(id);
}

NodeEntry read_node_entry(NodeEntry e, const json& entry, const std::string& system)
{
    // Once for the millions of entries a document may hold.
    static const std::vector<std::string> kMembers{"id",    "name",      "type",       "parents", "locations",
                                                   "geo",   "propagate", "background", "map",     "monitor",
                                                   "array", "user_data", "agents",     "links",   "bus"};
    static const std::string kWhat = "node";
    check::object(entry, kWhat);
    check::only_members(entry, kMembers, kWhat);
    if (e.id == 0)
        e.id = check::integer(check::member(entry, "id", "node"), "id", 1, kMaxNodeId);
    e.dn = node_dn(system, e.id);
    if (!e.type)
        e.plain["typeName"] = check::member(entry, "type", "node");
    const std::pair<const char*, const char*> renamed[] = {
        {"name", "name"},           {"geo", "geoLocation"},   {"propagate", "severityPropagated"},
        {"background", "viewBackgroundImage"}, {"map", "viewMapFile"}, {"user_data", "userData"},
        {"bus", "busLocations"}};
    for (const auto& [from, to] : renamed)
        if (entry.contains(from))
            e.plain[to] = entry[from];
    if (entry.contains("agents"))
        e.plain["managedObjects"] = agent_dns(entry["agents"], system);
    for (const auto& [list, attr] : {std::make_pair(&e.parents, "parents"), std::make_pair(&e.links, "links")}) {
        if (*list)
            for (const std::int64_t n : **list)
                e.targets.emplace_back(attr, n);
        else if (entry.contains(attr))
            e.references[attr] = id_list(entry[attr], system, attr, attr, e);
    }
    if (e.locations)
        for (const auto& loc : *e.locations)
            e.targets.emplace_back("logicalLocations", loc.parent);
    else if (entry.contains("locations"))
        e.references["logicalLocations"] = locations(entry["locations"], system, e);
    if (entry.contains("monitor"))
        read_monitor(entry["monitor"], system, e);
    if (entry.contains("array"))
        read_array(entry["array"], system, e);
    return e;
}

}  // namespace qv::server
