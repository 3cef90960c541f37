#include "BenchDocument.hpp"

namespace {

constexpr int kViews = 100;

nlohmann::json types()
{
    return nlohmann::json::array({
        {{"name", "World"}, {"kinds", {"view"}}, {"attributes", nlohmann::json::array()}},
        {{"name", "Site"}, {"kinds", {"view"}}, {"attributes", nlohmann::json::array()}},
        {{"name", "Host"}, {"kinds", {"device"}}, {"attributes", {"contact"}}},
    });
}

nlohmann::json node(int id, const std::string& name, const char* type, int parent)
{
    nlohmann::json n = {{"id", id}, {"name", name}, {"type", type}};
    if (parent > 0) {
        n["parents"] = {parent};
        n["locations"] = {{{"parent", parent}, {"x", (id * 37) % 800}, {"y", (id * 53) % 600}, {"z", 0}}};
    }
    return n;
}

}  // namespace

nlohmann::json BenchDocument::generate(int total_objects)
{
    const int nodes = total_objects - 1 - kScopeChildren;
    nlohmann::json doc = {{"format", "qv-topology"},
                          {"version", 1},
                          {"syntaxes", {{"contact", "OCTET STRING"}}},
                          {"types", types()}};
    nlohmann::json& list = doc["nodes"] = nlohmann::json::array();
    list.push_back(node(1, "World", "World", 0));
    for (int id = 2; id <= kViews; ++id)
        list.push_back(node(id, "site-" + std::to_string(id), "Site", 1));
    for (int id = kViews + 1; id <= nodes; ++id) {
        nlohmann::json host = node(id, host_name(id), "Host", 2 + id % (kViews - 1));
        if (id % 10 == 0)
            host["user_data"] = {{{"name", "contact"}, {"value", "\"desk " + std::to_string(id) + "\""}}};
        list.push_back(std::move(host));
    }
    nlohmann::json& objects = doc["objects"] = nlohmann::json::array();
    objects.push_back({{"dn", kScopeRdn}, {"class", "benchScope"}, {"attrs", nlohmann::json::object()}});
    for (int i = 1; i <= kScopeChildren; ++i)
        objects.push_back({{"dn", std::string(kScopeRdn) + "/itemId=" + std::to_string(i)},
                           {"class", "benchItem"},
                           {"attrs", {{"index", i}}}});
    return doc;
}
