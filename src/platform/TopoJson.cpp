#include "platform/TopoJson.hpp"

#include "platform/ReplyReader.hpp"

namespace topo_json {
namespace {

void check_node_names(ReplyReader& attrs, const char* name)
{
    for (const std::string& dn : attrs.texts_or_empty(name))
        if (!QvTopoNodeDn::from_string(dn).valid()) {
            attrs.fail("field '" + std::string(name) + "' of " + attrs.what() + " holds " + ReplyReader::quoted(dn) +
                       ", expected topology node names");
            return;
        }
}

void check_records(ReplyReader& attrs, const char* name, const char* record, bool with_parent)
{
    for (const auto& entry : attrs.array_or_empty(name)) {
        ReplyReader location = attrs.item(entry, record);
        if (with_parent)
            location.text("parent");
        to_location(location);
    }
}

}  // namespace

void check_attributes(ReplyReader& attrs)
{
    for (const char* name : {"name", "typeName", "viewBackgroundImage", "viewMapFile"})
        attrs.text_or(name, "");
    for (const char* name : {"parents", "links", "monitorVisibleChildren", "monitorHiddenChildren",
                             "arrayVisibleChildren", "arrayHiddenChildren"})
        check_node_names(attrs, name);
    attrs.texts_or_empty("managedObjects");
    attrs.flag_or("severityPropagated", true);
    attrs.integer_or("monitorMaxVisible", 0, 0, ReplyReader::kInt32Max);
    attrs.integer_or("monitorRotation", 0, 0, 359);
    attrs.integer_or("arrayOrientation", 0, 0, 1);
    attrs.integer_or("arrayNumColumns", 0, 0, ReplyReader::kInt32Max);
    check_records(attrs, "logicalLocations", "a logical location", true);
    check_records(attrs, "busLocations", "a bus location", false);
    if (attrs.has("geoLocation")) {
        ReplyReader geo = attrs.item(attrs.object("geoLocation"), "the geoLocation");
        geo.number_or("longitude", 0.0);
        geo.number_or("latitude", 0.0);
    }
    if (attrs.has("arrayCellSize")) {
        ReplyReader size = attrs.item(attrs.object("arrayCellSize"), "the arrayCellSize");
        size.integer_or("width", 0, 0, ReplyReader::kInt32Max);
        size.integer_or("height", 0, 0, ReplyReader::kInt32Max);
    }
    for (const auto& entry : attrs.array_or_empty("userData")) {
        ReplyReader datum = attrs.item(entry, "a userData entry");
        datum.text("name");
        datum.text("value");
    }
}

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

QvTopoNode::Location to_location(ReplyReader& value)
{
    QvTopoNode::Location l;
    l.x = static_cast<std::int32_t>(value.integer_or("x", 0, ReplyReader::kInt32Min, ReplyReader::kInt32Max));
    l.y = static_cast<std::int32_t>(value.integer_or("y", 0, ReplyReader::kInt32Min, ReplyReader::kInt32Max));
    l.z = static_cast<std::int32_t>(value.integer_or("z", 0, ReplyReader::kInt32Min, ReplyReader::kInt32Max));
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
    const nlohmann::json none = nlohmann::json::object();
    ReplyReader reader(none, "the bus locations");
    RWTValSlist<QvTopoNode::Location> read;
    for (const auto& item : value) {
        ReplyReader point = reader.item(item, "a point");
        read.push_back(to_location(point));
    }
    if (!reader.ok())
        return QvStatus::failure(QvStatus::InvalidValue, reader.problem());
    points = std::move(read);
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
