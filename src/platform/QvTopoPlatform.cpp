#include "platform/QvTopoPlatform.hpp"

#include <memory>

#include "platform/QvAgents.hpp"

namespace {

std::unique_ptr<QvTopoPlatform> g_instance;

RWTValSlist<RWCString> strings_of(const nlohmann::json& value)
{
    RWTValSlist<RWCString> out;
    if (value.is_array())
        for (const auto& item : value)
            if (item.is_string())
                out.push_back(item.get<std::string>());
    return out;
}

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
    types_read_ = true;
    kinds_.clear();
    attributes_.clear();
    attribute_by_short_name_.clear();
    for (const auto& t : result.value("types", nlohmann::json::array())) {
        const std::string name = t.value("name", std::string());
        kinds_[name] = strings_of(t.value("kinds", nlohmann::json::array()));
        attributes_[name] = strings_of(t.value("attributes", nlohmann::json::array()));
        for (const RWCString& attribute : attributes_[name]) {
            const auto colon = attribute.rfind(':');
            if (colon != std::string::npos)
                attribute_by_short_name_.emplace(attribute.substr(colon + 1), attribute);
        }
        if (types) {
            QvTopoTypeDn dn = QvTopoTypeDn::from_string(t.value("dn", std::string()));
            types->push_back(dn.unique_name().empty() ? QvTopoTypeDn(local_system_name(), name) : dn);
        }
    }
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
    nodes.clear();
    for (const RWCString& dn : strings_of(result.value("nodes", nlohmann::json::array()))) {
        const QvTopoNodeDn node = QvTopoNodeDn::from_string(dn);
        if (node.valid())
            nodes.push_back(node);
    }
    return st;
}

RWCString QvTopoPlatform::local_system_name() const { return platform_->system_name(); }

RWTValSlist<RWCString> QvTopoPlatform::system_names()
{
    nlohmann::json result;
    if (!platform_->request("topo.system_names", nlohmann::json::object(), result))
        return {local_system_name()};
    return strings_of(result.value("systems", nlohmann::json::array()));
}

QvStatus QvTopoPlatform::managed_object_to_cmip_agent(const RWCString& dn, QvCmipAgentDn& agent)
{
    nlohmann::json result;
    QvStatus st = platform_->request("topo.cmip_agent_for", {{"dn", dn}}, result);
    if (!st)
        return st;
    const std::string text = result.value("agent", std::string());
    QvCmipAgentDn found = QvCmipAgentDn::from_string(text);
    if (!found.valid())
        return QvStatus::failure(QvStatus::InvalidName, "The server named no CMIP agent entity: " + text);
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
