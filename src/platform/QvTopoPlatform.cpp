#include "platform/QvTopoPlatform.hpp"

#include <memory>

#include "platform/QvAgents.hpp"
#include "platform/ReplyReader.hpp"

namespace {

std::unique_ptr<QvTopoPlatform> g_instance;


}  // namespace

QvStatus QvTopoPlatform::initialize(Platform& platform, int)
{
    g_instance.reset(new QvTopoPlatform(platform));
    return QvStatus::success();
}

QvTopoPlatform* QvTopoPlatform::instance() { return g_instance.get(); }

QvStatus QvTopoPlatform::read_types(RWTValSlist<QvTopoTypeDn>* types)
{
    nlohmann::json result;
    QvStatus st = platform_->request("topo.types", nlohmann::json::object(), result);
    if (!st)
        return st;
    ReplyReader reply(result, "the topo.types reply");
    std::map<RWCString, RWTValSlist<RWCString>> kinds;
    std::map<RWCString, RWTValSlist<RWCString>> attributes;
    std::map<RWCString, RWCString> attribute_by_short_name;
    RWTValSlist<QvTopoTypeDn> dns;
    for (const auto& t : reply.array("types")) {
        ReplyReader type = reply.item(t, "a type");
        const std::string dn_text = type.text("dn");
        const std::string name = type.text("name");
        kinds[name] = type.texts("kinds");
        attributes[name] = type.texts("attributes");
        for (const RWCString& attribute : attributes[name]) {
            const auto colon = attribute.rfind(':');
            if (colon != std::string::npos)
                attribute_by_short_name.emplace(attribute.substr(colon + 1), attribute);
        }
        const QvTopoTypeDn dn = QvTopoTypeDn::from_string(dn_text);
        dns.push_back(dn.unique_name().empty() ? QvTopoTypeDn(local_system_name(), name) : dn);
    }
    if (!reply.ok())
        return platform_->reject_reply(reply);
    types_read_ = true;
    kinds_ = std::move(kinds);
    attributes_ = std::move(attributes);
    attribute_by_short_name_ = std::move(attribute_by_short_name);
    if (types)
        *types = std::move(dns);
    return st;
}

QvStatus QvTopoPlatform::find_all_types(RWTValSlist<QvTopoTypeDn>& types)
{
    types.clear();
    return read_types(&types);
}

QvStatus QvTopoPlatform::find_nodes_by_name(const RWCString& name, const RWTValSlist<RWCString>& systems,
                                            RWTValSlist<QvTopoNodeDn>& nodes)
{
    nlohmann::json params = {{"name", name}};
    if (!systems.empty())
        params["systems"] = systems;
    nlohmann::json result;
    QvStatus st = platform_->request("topo.find_by_name", params, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the topo.find_by_name reply");
    RWTValSlist<QvTopoNodeDn> found;
    for (const RWCString& dn : reply.texts("nodes")) {
        found.push_back(QvTopoNodeDn::from_string(dn));
        if (!found.back().valid())
            reply.fail("field 'nodes' of the topo.find_by_name reply holds " + ReplyReader::quoted(dn) +
                       ", expected topology node names");
    }
    if (!reply.ok())
        return platform_->reject_reply(reply);
    nodes = std::move(found);
    return st;
}

RWCString QvTopoPlatform::local_system_name() const { return platform_->system_name(); }

RWTValSlist<RWCString> QvTopoPlatform::system_names()
{
    nlohmann::json result;
    if (!platform_->request("topo.system_names", nlohmann::json::object(), result))
        return {local_system_name()};
    ReplyReader reply(result, "the topo.system_names reply");
    std::vector<std::string> systems = reply.texts("systems");
    if (!reply.ok()) {
        platform_->reject_reply(reply);
        return {local_system_name()};
    }
    return systems;
}

QvStatus QvTopoPlatform::managed_object_to_cmip_agent(const RWCString& dn, QvCmipAgentDn& agent)
{
    nlohmann::json result;
    QvStatus st = platform_->request("topo.cmip_agent_for", {{"dn", dn}}, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the topo.cmip_agent_for reply");
    const std::string text = reply.text("agent");
    QvCmipAgentDn found = QvCmipAgentDn::from_string(text);
    if (reply.ok() && !found.valid())
        reply.fail("field 'agent' of the topo.cmip_agent_for reply is " + ReplyReader::quoted(text) +
                   ", expected the name of a CMIP agent entity");
    if (!reply.ok())
        return platform_->reject_reply(reply);
    agent = found;
    return st;
}

void QvTopoPlatform::ensure_types() const
{
    // The tables are a cache of the server's answer: filling them on first
    // use does not change what the object is.
    if (!types_read_)
        const_cast<QvTopoPlatform*>(this)->read_types(nullptr);
}

const RWTValSlist<RWCString>& QvTopoPlatform::kinds_of(const RWCString& type_name) const
{
    ensure_types();
    static const RWTValSlist<RWCString> none;
    auto it = kinds_.find(type_name);
    return it == kinds_.end() ? none : it->second;
}

const RWTValSlist<RWCString>* QvTopoPlatform::attributes_of(const RWCString& type_name) const
{
    ensure_types();
    auto it = attributes_.find(type_name);
    return it == attributes_.end() ? nullptr : &it->second;
}

RWCString QvTopoPlatform::full_attribute_name(const RWCString& short_name) const
{
    ensure_types();
    auto it = attribute_by_short_name_.find(short_name);
    return it == attribute_by_short_name_.end() ? short_name : it->second;
}
