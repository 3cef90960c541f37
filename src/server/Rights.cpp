#include "server/Rights.hpp"

#include <algorithm>

#include "server/RequestError.hpp"

namespace qv::server::rights {

const std::vector<std::string>& all()
{
    static const std::vector<std::string> names{kRunObjectProperties,   kCreateObjects,
                                                kModifyCoordinates,     kModifyBackgroundImage,
                                                kModifyDescrAgentTypeStatus, kAdmin,
                                                kReadAudit};
    return names;
}

bool is_known(const std::string& right)
{
    const auto& names = all();
    return std::find(names.begin(), names.end(), right) != names.end();
}

std::vector<std::string> for_node_attribute(const std::string& attr)
{
    if (attr == "logicalLocations" || attr == "geoLocation" || attr == "busLocations")
        return {kModifyCoordinates};
    if (attr == "viewBackgroundImage" || attr == "viewMapFile")
        return {kModifyBackgroundImage};
    if (attr == "parents")
        return {kCreateObjects, kModifyDescrAgentTypeStatus};
    return {kModifyDescrAgentTypeStatus};
}

std::vector<std::string> for_object_class(const std::string& cls)
{
    if (cls == "topoNode")
        return {kCreateObjects};
    if (cls == "snmpProxyAgent" || cls == "rpcProxyAgent" || cls == "cmipAgentEntity")
        return {kCreateObjects, kModifyDescrAgentTypeStatus};
    return {kAdmin};
}

void require(const std::set<std::string>& held, const std::vector<std::string>& needed, const std::string& what)
{
    for (const auto& r : needed)
        if (held.count(r))
            return;
    std::string text = "Not authorized: " + what + " needs the right " + needed.front();
    for (std::size_t i = 1; i < needed.size(); ++i)
        text += " or " + needed[i];
    throw RequestError(ErrorCode::NotAuthorized, text);
}

}  // namespace qv::server::rights
