#include "server/TopologyOps.hpp"

#include "server/Params.hpp"

namespace qv::server {

using nlohmann::json;

void TopologyOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("topo.types", [this](Call&) { return types(); });
    dispatcher.add("topo.find_by_name", [this](Call& call) {
        Params p(call.params());
        return json{{"nodes", index_.find_by_name(p.text("name"), p.strings_or_empty("systems"))}};
    });
    dispatcher.add("topo.pathnames", [this](Call& call) {
        return json{{"pathnames", queries_.pathnames(Params(call.params()).dn("dn"))}};
    });
    dispatcher.add("topo.system_names", [this](Call&) { return json{{"systems", queries_.system_names()}}; });
    dispatcher.add("topo.cmip_agent_for", [this](Call& call) {
        const std::string dn = Params(call.params()).dn("dn");
        auto agent = queries_.cmip_agent_for(dn);
        if (!agent)
            throw RequestError(ErrorCode::NoSuchObject, "no CMIP agent entity manages " + dn);
        return json{{"agent", *agent}};
    });
    dispatcher.add("syntax", [this](Call& call) { return syntax(call); });
}

json TopologyOps::types()
{
    json out = json::array();
    for (const auto& t : types_.all())
        out.push_back(json{{"dn", t.dn}, {"name", t.name}, {"kinds", t.kinds}, {"attributes", t.attributes}});
    return json{{"types", out}};
}

json TopologyOps::syntax(Call& call)
{
    json out = json::object();
    for (const auto& name : Params(call.params()).strings("attributes"))
        if (auto text = syntaxes_.find(name))
            out[name] = *text;
    return json{{"syntaxes", out}};
}

}  // namespace qv::server
