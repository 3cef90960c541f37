#include "TestTopology.hpp"

#include <nlohmann/json.hpp>

namespace qv::test {

std::string small_topology()
{
    using nlohmann::json;
    const json all = {"RunObjectProperties", "CreateObjects", "ModifyCoordinates", "ModifyBackgroundImage",
                      "ModifyDescrAgentTypeStatus", "Admin"};
    auto all_but = [&](const std::string& right) {
        json out = json::array();
        for (const auto& r : all)
            if (r != right)
                out.push_back(r);
        return out;
    };
    json users = json::array({
        {{"name", "admin"}, {"password", "admin"}, {"rights", all}},
        {{"name", "viewer"}, {"password", "viewer"}, {"rights", {"RunObjectProperties"}}},
        {{"name", "nocreate"}, {"password", "nocreate"}, {"rights", all_but("CreateObjects")}},
        {{"name", "nocoord"}, {"password", "nocoord"}, {"rights", all_but("ModifyCoordinates")}},
        {{"name", "nobg"}, {"password", "nobg"}, {"rights", all_but("ModifyBackgroundImage")}},
        {{"name", "nodescr"}, {"password", "nodescr"}, {"rights", all_but("ModifyDescrAgentTypeStatus")}},
        {{"name", "noadmin"}, {"password", "noadmin"}, {"rights", all_but("Admin")}},
        {{"name", "norun"}, {"password", "norun"}, {"rights", json::array()}},
    });
    json doc = json::parse(R"({"format": "qv-topology", "version": 1,
      "syntaxes": {"contact": "OCTET STRING", "ports": "SET OF INTEGER",
                   "site": "SEQUENCE { building OCTET STRING, floor INTEGER }"},
      "types": [{"name": "World", "kinds": ["view"]},
                {"name": "City", "kinds": ["view"], "attributes": ["contact", "site"]},
                {"name": "Router", "kinds": ["device"], "attributes": ["contact", "ports"]},
                {"name": "Switch", "kinds": ["device"], "attributes": ["contact"]},
                {"name": "Monitor", "kinds": ["monitor"]}, {"name": "Link", "kinds": ["link"]}],
      "nodes": [{"id": 1, "name": "World", "type": "World"},
                {"id": 2, "name": "Europe", "type": "City", "parents": [1]},
                {"id": 3, "name": "London", "type": "City", "parents": [2]},
                {"id": 4, "name": "router1", "type": "Router", "parents": [3, 1],
                 "locations": [{"parent": 3, "x": 10, "y": 20, "z": 0}],
                 "geo": {"longitude": -0.1276, "latitude": 51.5072},
                 "user_data": [{"name": "contact", "value": "\"noc\""}]},
                {"id": 5, "name": "router2", "type": "Router", "parents": [3]},
                {"id": 6, "name": "mon", "type": "Monitor", "parents": [3],
                 "monitor": {"max_visible": 2, "visible": [4], "hidden": [5]}}],
      "objects": [{"dn": "agentTableType=\"CMIP\"/agentId=id:\"osi-1\"", "class": "cmipAgentEntity",
                   "attrs": {"managedObjects": ["/networkId=\"n1\""]}}],
      "documents": ["RPC Proxy - ping", "IIMCRFC1213-MIB"],
      "systems": ["mis2"]})");
    doc["users"] = users;
    return doc.dump(1);
}

ServerOptions small_topology_server(const std::string& system, bool require_login)
{
    ServerOptions options;
    options.system_name = system;
    options.require_login = require_login;
    options.load_text = small_topology();
    return options;
}

}  // namespace qv::test
