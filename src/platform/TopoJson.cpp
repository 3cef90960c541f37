#include "platform/TopoJson.hpp"

namespace topo_json {

nlohmann::json from_dns(const RWTValSlist<QvTopoNodeDn>& dns)
{
    nlohmann::json out = nlohmann::json::array();
    for (const QvTopoNodeDn& dn : dns)
        out.push_back(dn.to_string());
    return out;
}

QvStatus to_dns(const nlohmann::json& value, RWTValSlist<QvTopoNodeDn>& dns)
{
    if (!value.is_array())
        return QvStatus::failure(QvStatus::InvalidValue, "Expected a list of topology node names");
    dns.clear();
    for (const auto& item : value) {
        const QvTopoNodeDn dn = QvTopoNodeDn::from_string(item.is_string() ? item.get<std::string>() : "");
        if (!dn.valid())
            return QvStatus::failure(QvStatus::InvalidName, "Not a topology node name: " + item.dump());
        dns.push_back(dn);
    }
    return QvStatus::success();
}

nlohmann::json from_location(const QvTopoNode::Location& location)
{
    return {{"x", location.x}, {"y", location.y}, {"z", location.z}};
}

QvTopoNode::Location to_location(const nlohmann::json& value)
{
    QvTopoNode::Location l;
    l.x = value.value("x", 0);
    l.y = value.value("y", 0);
    l.z = value.value("z", 0);
    return l;
}

nlohmann::json from_locations(const RWTValSlist<QvTopoNode::Location>& points)
{
    nlohmann::json out = nlohmann::json::array();
    for (const auto& p : points)
        out.push_back(from_location(p));
    return out;
}

QvStatus to_locations(const nlohmann::json& value, RWTValSlist<QvTopoNode::Location>& points)
{
    if (!value.is_array())
        return QvStatus::failure(QvStatus::InvalidValue, "Expected a list of locations");
    points.clear();
    for (const auto& item : value)
        if (item.is_object())
            points.push_back(to_location(item));
    return QvStatus::success();
}

bool same_node(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    const QvTopoNodeDn da = QvTopoNodeDn::from_string(a);
    return da.valid() && da == QvTopoNodeDn::from_string(b);
}

}  // namespace topo_json
