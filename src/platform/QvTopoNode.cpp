#include "platform/QvTopoNode.hpp"

#include "platform/QvTopoPlatform.hpp"
#include "platform/ReplyReader.hpp"
#include "platform/TopoJson.hpp"

namespace {

// Attribute numbers in order, by protocol name.
const char* const kAttributeNames[] = {
    nullptr,
    "name",
    "typeName",
    "userData",
    "managedObjects",
    "logicalLocations",
    "geoLocation",
    "severityPropagated",
    "parents",
    "links",
    "busLocations",
    "monitorMaxVisible",
    "monitorRotation",
    "monitorVisibleChildren",
    "monitorHiddenChildren",
    "arrayVisibleChildren",
    "arrayHiddenChildren",
    "arrayOrientation",
    "arrayNumColumns",
    "arrayCellSize",
    "viewBackgroundImage",
    "viewMapFile",
};

QvStatus get_dns(const QvObject& node, const char* attr, RWTValSlist<QvTopoNodeDn>& out)
{
    nlohmann::json v;
    QvStatus st = node.get_attribute(attr, v);
    return st ? topo_json::to_dns(v, out) : st;
}

std::string short_name(const std::string& name)
{
    const auto colon = name.rfind(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// The attribute name of a userData entry; empty for an entry of another shape.
std::string datum_name(const nlohmann::json& entry)
{
    auto it = entry.is_object() ? entry.find("name") : entry.end();
    return entry.is_object() && it != entry.end() && it->is_string() ? it->get<std::string>() : std::string();
}

QvStatus invalid(const ReplyReader& reader)
{
    return QvStatus::failure(QvStatus::InvalidValue, reader.problem());
}

}  // namespace

QvTopoNode::AttributeSet QvTopoNode::get_valid_attributes(int, int names_only)
{
    AttributeSet set;
    if (names_only) {
        set.insert(AttrName).insert(AttrTypeName);
        return set;
    }
    for (int a = AttrName; a <= AttrLast; ++a)
        set.insert(a);
    return set;
}

const char* QvTopoNode::attribute_name(int attribute)
{
    return attribute >= AttrName && attribute <= AttrLast ? kAttributeNames[attribute] : nullptr;
}

QvTopoNode::QvTopoNode(Platform* platform) : QvObject("topoNode", platform) {}

void QvTopoNode::check_reply_attributes(ReplyReader& attrs) const { topo_json::check_attributes(attrs); }

QvStatus QvTopoNode::set_dn(const QvTopoNodeDn& dn)
{
    if (!dn.valid())
        return QvStatus::failure(QvStatus::InvalidName, "Not a topology node name: " + dn.to_string());
    set_dn_text(dn.to_string());
    return QvStatus::success();
}

QvTopoNodeDn QvTopoNode::get_dn() const { return QvTopoNodeDn::from_string(dn_text()); }

QvStatus QvTopoNode::load_some_attributes(const AttributeSet& attributes)
{
    std::set<std::string> names;
    for (int a : attributes.items())
        if (const char* name = attribute_name(a))
            names.insert(name);
    if (names.empty())
        return QvStatus::success();
    return load_attributes(names);
}

QvStatus QvTopoNode::create_with_all_attributes()
{
    if (!platform())
        return QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
    nlohmann::json params = {{"class", "topoNode"}, {"attrs", all_attributes_json()}};
    const QvTopoNodeDn dn = get_dn();
    if (dn.valid())
        params["system"] = dn.system_name();
    nlohmann::json result;
    QvStatus st = platform()->request("create", params, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the create reply");
    std::string created = reply.text("dn");
    if (!reply.ok())
        return platform()->reject_reply(reply);
    adopt(std::move(created), "topoNode", all_attributes_json());
    return st;
}

QvStatus QvTopoNode::get_name(RWCString& name) const { return get_string("name", name); }
QvStatus QvTopoNode::set_name(const RWCString& name)
{
    set_attribute("name", name);
    return QvStatus::success();
}
QvStatus QvTopoNode::get_type_name(RWCString& type) const { return get_string("typeName", type); }
QvStatus QvTopoNode::set_type_name(const RWCString& type)
{
    set_attribute("typeName", type);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_parents(RWTValSlist<QvTopoNodeDn>& parents) const { return get_dns(*this, "parents", parents); }
QvStatus QvTopoNode::set_parents(const RWTValSlist<QvTopoNodeDn>& parents)
{
    set_attribute("parents", topo_json::from_dns(parents));
    return QvStatus::success();
}

QvStatus QvTopoNode::add_parent(const QvTopoNodeDn& parent)
{
    if (!parent.valid())
        return QvStatus::failure(QvStatus::InvalidName, "Not a topology node name: " + parent.to_string());
    RWTValSlist<QvTopoNodeDn> parents;
    if (has_attribute("parents")) {
        QvStatus st = get_parents(parents);
        if (!st)
            return st;
    }
    for (const auto& p : parents)
        if (p == parent)
            return QvStatus::success();
    parents.push_back(parent);
    return set_parents(parents);
}

QvStatus QvTopoNode::get_logical_location(const QvTopoNodeDn& parent, Location& location) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("logicalLocations", v);
    if (!st)
        return st;
    const nlohmann::json holder = {{"logicalLocations", v}};
    ReplyReader reader(holder, "the node");
    for (const auto& entry : reader.array("logicalLocations")) {
        ReplyReader e = reader.item(entry, "a logical location");
        if (topo_json::same_node(e.text("parent"), parent.to_string())) {
            location = topo_json::to_location(e);
            return reader.ok() ? st : invalid(reader);
        }
    }
    if (!reader.ok())
        return invalid(reader);
    return QvStatus::failure(QvStatus::NoSuchObject, "The object has no location in " + parent.to_string());
}

QvStatus QvTopoNode::set_logical_location(const QvTopoNodeDn& parent, const Location& location)
{
    if (!parent.valid())
        return QvStatus::failure(QvStatus::InvalidName, "Not a topology node name: " + parent.to_string());
    nlohmann::json v = nlohmann::json::array();
    get_attribute("logicalLocations", v);
    nlohmann::json entry = topo_json::from_location(location);
    entry["parent"] = parent.to_string();
    bool replaced = false;
    if (!v.is_array())
        v = nlohmann::json::array();
    for (auto& e : v)
        if (e.is_object() && e.contains("parent") && e["parent"].is_string() &&
            topo_json::same_node(e["parent"].get<std::string>(), parent.to_string())) {
            e = entry;
            replaced = true;
        }
    if (!replaced)
        v.push_back(entry);
    set_attribute("logicalLocations", v);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_geographical_location(GeoLocation& location, int& flags) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("geoLocation", v);
    if (!st)
        return st;
    ReplyReader reader(v, "the geographical location");
    const GeoLocation read{reader.number_or("longitude", 0.0), reader.number_or("latitude", 0.0)};
    if (!reader.ok())
        return invalid(reader);
    location = read;
    flags = 0;
    return st;
}

QvStatus QvTopoNode::set_geographical_location(const GeoLocation& location, int)
{
    set_attribute("geoLocation", {{"longitude", location.longitude}, {"latitude", location.latitude}});
    return QvStatus::success();
}

QvStatus QvTopoNode::get_is_severity_propagated(int& propagated) const
{
    long v = 0;
    QvStatus st = get_long("severityPropagated", v);
    if (st)
        propagated = v ? 1 : 0;
    return st;
}

QvStatus QvTopoNode::set_is_severity_propagated(char propagated)
{
    set_attribute("severityPropagated", propagated != 0);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_monitor_max_visible_children(long& max) const { return get_long("monitorMaxVisible", max); }
QvStatus QvTopoNode::set_monitor_max_visible_children(long max)
{
    set_attribute("monitorMaxVisible", max);
    return QvStatus::success();
}
QvStatus QvTopoNode::get_monitor_rotation(long& rotation, int& flags) const
{
    flags = 0;
    return get_long("monitorRotation", rotation);
}
QvStatus QvTopoNode::set_monitor_rotation(long rotation, int)
{
    set_attribute("monitorRotation", rotation);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_monitor_visible_children(RWTValSlist<QvTopoNodeDn>& children) const
{
    return get_dns(*this, "monitorVisibleChildren", children);
}
QvStatus QvTopoNode::set_monitor_visible_children(const RWTValSlist<QvTopoNodeDn>& children)
{
    set_attribute("monitorVisibleChildren", topo_json::from_dns(children));
    return QvStatus::success();
}
QvStatus QvTopoNode::get_monitor_hidden_children(RWTValSlist<QvTopoNodeDn>& children) const
{
    return get_dns(*this, "monitorHiddenChildren", children);
}
QvStatus QvTopoNode::set_monitor_hidden_children(const RWTValSlist<QvTopoNodeDn>& children)
{
    set_attribute("monitorHiddenChildren", topo_json::from_dns(children));
    return QvStatus::success();
}

QvStatus QvTopoNode::get_array_visible_children(RWTValSlist<QvTopoNodeDn>& children) const
{
    return get_dns(*this, "arrayVisibleChildren", children);
}
QvStatus QvTopoNode::set_array_visible_children(const RWTValSlist<QvTopoNodeDn>& children)
{
    set_attribute("arrayVisibleChildren", topo_json::from_dns(children));
    return QvStatus::success();
}
QvStatus QvTopoNode::get_array_hidden_children(RWTValSlist<QvTopoNodeDn>& children) const
{
    return get_dns(*this, "arrayHiddenChildren", children);
}
QvStatus QvTopoNode::set_array_hidden_children(const RWTValSlist<QvTopoNodeDn>& children)
{
    set_attribute("arrayHiddenChildren", topo_json::from_dns(children));
    return QvStatus::success();
}

QvStatus QvTopoNode::get_array_orientation(ArrayOrientation& orientation) const
{
    long v = 0;
    QvStatus st = get_long("arrayOrientation", v);
    if (st)
        orientation = v == Vertical ? Vertical : Horizontal;
    return st;
}
QvStatus QvTopoNode::set_array_orientation(ArrayOrientation orientation)
{
    set_attribute("arrayOrientation", static_cast<int>(orientation));
    return QvStatus::success();
}

QvStatus QvTopoNode::get_array_num_columns(unsigned long& columns) const
{
    long v = 0;
    QvStatus st = get_long("arrayNumColumns", v);
    if (st)
        columns = v < 0 ? 0 : static_cast<unsigned long>(v);
    return st;
}
QvStatus QvTopoNode::set_array_num_columns(unsigned long columns)
{
    set_attribute("arrayNumColumns", columns);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_array_cell_size(ArrayCellSize& size) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("arrayCellSize", v);
    if (!st)
        return st;
    ReplyReader reader(v, "the array cell size");
    const auto width = reader.integer_or("width", 0, 0);
    const auto height = reader.integer_or("height", 25, 0);
    if (!reader.ok())
        return invalid(reader);
    size.width = static_cast<unsigned long>(width);
    size.height = static_cast<unsigned long>(height);
    return st;
}
QvStatus QvTopoNode::set_array_cell_size(const ArrayCellSize& size)
{
    set_attribute("arrayCellSize", {{"width", size.width}, {"height", size.height}});
    return QvStatus::success();
}

QvStatus QvTopoNode::get_view_background_image_filename(RWCString& file) const
{
    return get_string("viewBackgroundImage", file);
}
QvStatus QvTopoNode::set_view_background_image_filename(const RWCString& file)
{
    set_attribute("viewBackgroundImage", file);
    return QvStatus::success();
}
QvStatus QvTopoNode::get_view_map_config_filename(RWCString& file) const { return get_string("viewMapFile", file); }
QvStatus QvTopoNode::set_view_map_config_filename(const RWCString& file)
{
    set_attribute("viewMapFile", file);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_user_data(RWTValSlist<UserDatum>& data) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("userData", v);
    if (!st)
        return st;
    const nlohmann::json holder = {{"userData", v}};
    ReplyReader reader(holder, "the node");
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& entry : reader.array("userData")) {
        ReplyReader e = reader.item(entry, "a userData entry");
        std::string name = e.text("name");
        entries.emplace_back(std::move(name), e.text("value"));
    }
    if (!reader.ok())
        return invalid(reader);
    data.clear();
    for (const auto& [name, text] : entries) {
        const Syntax syntax = platform() ? Syntax(DataUnit(name), *platform()) : Syntax();
        data.push_back(UserDatum{name, Morf(syntax, DataUnit(text))});
    }
    return st;
}

QvStatus QvTopoNode::set_user_data(const RWTValSlist<UserDatum>& data)
{
    nlohmann::json stored = nlohmann::json::array();
    get_attribute("userData", stored);
    if (!stored.is_array())
        stored = nlohmann::json::array();
    // Values of attributes not named in data stay as they are: the caller
    // leaves out what it could not encode, which must not erase it.
    nlohmann::json written = nlohmann::json::array();
    std::set<std::string> replaced;
    for (const UserDatum& d : data) {
        if (!d.value.has_value())
            return QvStatus::failure(QvStatus::InvalidValue,
                                     "Invalid value for " + d.name + ": " + d.value.error().str());
        std::string name = d.name;
        for (const auto& e : stored)  // keep the stored spelling of the name
            if (!datum_name(e).empty() && short_name(datum_name(e)) == short_name(name))
                name = datum_name(e);
        if (name == d.name && name.find(':') == std::string::npos)
            if (QvTopoPlatform* topo = QvTopoPlatform::instance())
                name = topo->full_attribute_name(name);
        replaced.insert(name);
        written.push_back({{"name", name}, {"value", d.value.notation().str()}});
    }
    nlohmann::json merged = nlohmann::json::array();
    bool written_out = false;
    for (const auto& e : stored) {
        if (!replaced.count(datum_name(e))) {
            merged.push_back(e);
        } else if (!written_out) {
            for (const auto& w : written)
                merged.push_back(w);
            written_out = true;
        }
    }
    if (!written_out)
        for (const auto& w : written)
            merged.push_back(w);
    set_attribute("userData", merged);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_managed_objects(RWTValSlist<RWCString>& dns) const
{
    return get_strings("managedObjects", dns);
}
QvStatus QvTopoNode::set_managed_objects(const RWTValSlist<RWCString>& dns)
{
    set_attribute("managedObjects", dns);
    return QvStatus::success();
}

QvStatus QvTopoNode::get_links(RWTValSlist<QvTopoNodeDn>& ends) const { return get_dns(*this, "links", ends); }
QvStatus QvTopoNode::set_links(const RWTValSlist<QvTopoNodeDn>& ends)
{
    set_attribute("links", topo_json::from_dns(ends));
    return QvStatus::success();
}

QvStatus QvTopoNode::get_bus_logical_locations(RWTValSlist<Location>& points) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("busLocations", v);
    return st ? topo_json::to_locations(v, points) : st;
}
QvStatus QvTopoNode::set_bus_logical_locations(const RWTValSlist<Location>& points)
{
    set_attribute("busLocations", topo_json::from_locations(points));
    return QvStatus::success();
}

QvStatus QvTopoNode::get_topology_pathnames(RWTValSlist<RWCString>& pathnames) const
{
    if (!platform())
        return QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
    nlohmann::json result;
    QvStatus st = platform()->request("topo.pathnames", {{"dn", dn_text()}}, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the topo.pathnames reply");
    std::vector<std::string> read = reply.texts("pathnames");
    if (!reply.ok())
        return platform()->reject_reply(reply);
    pathnames.assign(read.begin(), read.end());
    return st;
}
