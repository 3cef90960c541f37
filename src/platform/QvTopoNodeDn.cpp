#include "platform/QvTopoNodeDn.hpp"

#include <cstdlib>

#include "protocol/Dn.hpp"

namespace {

// The two components of a name below a system: systemId=..., ATTR=...
bool split_system_child(const std::string& text, const char* attr, std::string& system, std::string& value)
{
    auto dn = qv::dn::parse(text);
    if (!dn || !dn->absolute || dn->size() != 2)
        return false;
    if (dn->rdns[0].attr != "systemId" || dn->rdns[1].attr != attr)
        return false;
    system = qv::dn::value_text(dn->rdns[0].value);
    value = dn->rdns[1].value;
    return !system.empty();
}

std::string system_prefix(const std::string& system)
{
    return "/systemId=name:" + qv::dn::quote(system);
}

}  // namespace

QvTopoNodeDn QvTopoNodeDn::from_string(const std::string& text)
{
    std::string system, value;
    if (!split_system_child(text, "topoNodeId", system, value))
        return QvTopoNodeDn();
    char* end = nullptr;
    const long id = std::strtol(value.c_str(), &end, 10);
    if (end == value.c_str() || *end != '\0' || id <= 0)
        return QvTopoNodeDn();
    return QvTopoNodeDn(system, id);
}

std::string QvTopoNodeDn::to_string() const
{
    return system_prefix(system_) + "/topoNodeId=" + std::to_string(id_);
}

QvTopoTypeDn QvTopoTypeDn::from_string(const std::string& text)
{
    std::string system, value;
    if (!split_system_child(text, "topoTypeId", system, value))
        return QvTopoTypeDn();
    return QvTopoTypeDn(system, qv::dn::value_text(value));
}

std::string QvTopoTypeDn::to_string() const
{
    return system_prefix(system_) + "/topoTypeId=" + qv::dn::quote(name_);
}
