#include "server/NodeSchema.hpp"

#include <algorithm>

#include "server/JsonCheck.hpp"
#include "server/JsonText.hpp"
#include "server/ValueSyntax.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

const std::vector<std::string> kNodeLists{"parents",
                                          "monitorVisibleChildren",
                                          "monitorHiddenChildren",
                                          "arrayVisibleChildren",
                                          "arrayHiddenChildren",
                                          "links"};

json point(const json& value, const std::string& what, bool with_parent)
{
    check::object(value, what);
    std::vector<std::string> allowed{"x", "y", "z"};
    if (with_parent)
        allowed.push_back("parent");
    check::only_members(value, allowed, what);
    json out = json::object();
    for (const char* axis : {"x", "y", "z"}) {
        auto it = value.find(axis);
        out[axis] = it == value.end() ? 0
                                      : check::integer(*it, what + "." + axis, check::kInt32Min, check::kInt32Max);
    }
    return out;
}

json geo_location(const json& value)
{
    check::object(value, "geoLocation");
    check::only_members(value, {"longitude", "latitude"}, "geoLocation");
    return json{{"longitude", check::number(check::member(value, "longitude", "geoLocation"),
                                            "geoLocation.longitude", -180.0, 180.0)},
                {"latitude", check::number(check::member(value, "latitude", "geoLocation"),
                                           "geoLocation.latitude", -90.0, 90.0)}};
}

json cell_size(const json& value)
{
    check::object(value, "arrayCellSize");
    check::only_members(value, {"width", "height"}, "arrayCellSize");
    return json{{"width", check::integer(check::member(value, "width", "arrayCellSize"), "arrayCellSize.width", 0,
                                         check::kInt32Max)},
                {"height", check::integer(check::member(value, "height", "arrayCellSize"), "arrayCellSize.height",
                                          0, check::kInt32Max)}};
}

}  // namespace

const std::vector<std::string>& NodeSchema::attribute_names()
{
    static const std::vector<std::string> names{
        "name",          "typeName",          "parents",          "logicalLocations",
        "geoLocation",   "severityPropagated", "monitorMaxVisible", "monitorRotation",
        "monitorVisibleChildren", "monitorHiddenChildren", "arrayVisibleChildren", "arrayHiddenChildren",
        "arrayOrientation", "arrayNumColumns", "arrayCellSize",   "viewBackgroundImage",
        "viewMapFile",   "userData",           "managedObjects",   "links",
        "busLocations"};
    return names;
}

const std::vector<std::string>& NodeSchema::node_list_attributes() { return kNodeLists; }

bool NodeSchema::is_reference_attribute(const std::string& attr)
{
    return attr == "logicalLocations" || std::find(kNodeLists.begin(), kNodeLists.end(), attr) != kNodeLists.end();
}

json NodeSchema::default_value(const std::string& attr)
{
    if (attr == "name" || attr == "typeName" || attr == "viewBackgroundImage" || attr == "viewMapFile")
        return "";
    if (attr == "geoLocation")
        return json{{"longitude", 0.0}, {"latitude", 0.0}};
    if (attr == "severityPropagated")
        return true;
    if (attr == "arrayCellSize")
        return json{{"width", 0}, {"height", 25}};
    if (attr == "monitorMaxVisible" || attr == "monitorRotation" || attr == "arrayOrientation" ||
        attr == "arrayNumColumns")
        return 0;
    return json::array();
}

json NodeSchema::with_defaults(json stored)
{
    json out = json::object();
    for (const auto& attr : attribute_names()) {
        auto it = stored.find(attr);
        out[attr] = it != stored.end() ? std::move(*it) : default_value(attr);
    }
    return out;
}

bool NodeSchema::append_with_defaults(std::string_view stored, std::string& out)
{
    struct Attribute {
        std::string key;  // quoted
        std::string default_text;
    };
    static const std::vector<Attribute> sorted = [] {
        std::vector<Attribute> all;
        for (const auto& name : attribute_names())
            all.push_back({json(name).dump(), default_value(name).dump()});
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.key < b.key; });
        return all;
    }();
    std::vector<json_text::Member> members;
    members.reserve(sorted.size());
    if (!json_text::split_members(stored, members))
        return false;
    char separator = '{';
    for (const auto& attribute : sorted) {
        out += separator;
        separator = ',';
        out += attribute.key;
        out += ':';
        const std::string_view name = std::string_view(attribute.key).substr(1, attribute.key.size() - 2);
        auto it = std::find_if(members.begin(), members.end(), [&](const auto& m) { return m.key == name; });
        out += it != members.end() ? it->value : std::string_view(attribute.default_text);
    }
    out += '}';
    return true;
}

json NodeSchema::normalize(const std::string& attr, const json& value)
{
    if (attr == "name") {
        check_name(check::string(value, attr));
        return value;
    }
    if (attr == "typeName") {
        check_type(check::string(value, attr));
        return value;
    }
    if (std::find(kNodeLists.begin(), kNodeLists.end(), attr) != kNodeLists.end())
        return node_list(attr, value);
    if (attr == "logicalLocations")
        return logical_locations(value);
    if (attr == "geoLocation")
        return geo_location(value);
    if (attr == "severityPropagated")
        return check::boolean(value, attr);
    if (attr == "monitorMaxVisible" || attr == "arrayNumColumns")
        return check::integer(value, attr, 0, check::kInt32Max);
    if (attr == "monitorRotation")
        return check::integer(value, attr, 0, 359);
    if (attr == "arrayOrientation")
        return check::integer(value, attr, 0, 1);
    if (attr == "arrayCellSize")
        return cell_size(value);
    if (attr == "viewBackgroundImage" || attr == "viewMapFile")
        return check::string(value, attr);
    if (attr == "userData")
        return user_data(value);
    if (attr == "managedObjects") {
        json out = json::array();
        for (const auto& dn : check::array(value, attr))
            out.push_back(check::dn(dn, attr));
        return out;
    }
    if (attr == "busLocations") {
        json out = json::array();
        for (const auto& p : check::array(value, attr))
            out.push_back(point(p, attr, false));
        return out;
    }
    throw RequestError(ErrorCode::InvalidValue, "a topology node has no attribute \"" + attr + "\"");
}

void NodeSchema::check_name(const std::string& name)
{
    for (unsigned char c : name)
        if (c == '"' || c < 0x20 || c == 0x7f)
            throw RequestError(ErrorCode::InvalidValue,
                               "name: a node name may not hold double quotes or control characters");
}

void NodeSchema::check_type(const std::string& type)
{
    if (loading_ && known_types_.count(type))
        return;
    if (!types_.find(type))
        throw RequestError(ErrorCode::InvalidValue, "typeName: there is no topology type \"" + type + "\"");
    if (loading_)
        known_types_.insert(type);
}

std::string NodeSchema::node_dn(const json& value, const std::string& what)
{
    // A loaded document's references were spelt canonically by the loader.
    if (loading_ && value.is_string())
        return value.get<std::string>();
    std::string dn = check::dn(value, what);
    if (!index_.node(dn))
        throw RequestError(ErrorCode::InvalidValue, what + ": there is no topology node " + dn);
    return dn;
}

json NodeSchema::node_list(const std::string& attr, const json& value)
{
    json out = json::array();
    std::vector<std::string> seen;
    for (const auto& item : check::array(value, attr)) {
        std::string dn = node_dn(item, attr);
        // A node listed twice is listed once: the lists are sets in order.
        if (std::find(seen.begin(), seen.end(), dn) != seen.end())
            continue;
        seen.push_back(dn);
        out.push_back(dn);
    }
    return out;
}

json NodeSchema::logical_locations(const json& value)
{
    json out = json::array();
    for (const auto& item : check::array(value, "logicalLocations")) {
        json p = point(item, "logicalLocations", true);
        p["parent"] = node_dn(check::member(item, "parent", "logicalLocations"), "logicalLocations.parent");
        // One position per parent view: a later entry for the same parent wins.
        for (auto it = out.begin(); it != out.end(); ++it)
            if ((*it)["parent"] == p["parent"]) {
                out.erase(it);
                break;
            }
        out.push_back(json{{"parent", p["parent"]}, {"x", p["x"]}, {"y", p["y"]}, {"z", p["z"]}});
    }
    return out;
}

json NodeSchema::user_data(const json& value)
{
    json out = json::array();
    for (const auto& item : check::array(value, "userData")) {
        check::object(item, "userData");
        check::only_members(item, {"name", "value"}, "userData");
        const std::string& name = check::string(check::member(item, "name", "userData"), "userData.name");
        const std::string& text = check::string(check::member(item, "value", "userData"), "userData.value");
        auto syntax = syntaxes_.find(name);
        if (!syntax)
            throw RequestError(ErrorCode::InvalidValue, "userData: the attribute " + name + " has no syntax");
        out.push_back(json{{"name", name}, {"value", value_syntax::check_value(name, *syntax, text)}});
    }
    return out;
}

std::vector<NodeReference> NodeSchema::references(const json& attrs)
{
    std::vector<NodeReference> out;
    for (const auto& attr : kNodeLists) {
        auto it = attrs.find(attr);
        if (it != attrs.end() && it->is_array())
            for (const auto& dn : *it)
                if (dn.is_string())
                    out.push_back({attr, dn.get<std::string>()});
    }
    auto locs = attrs.find("logicalLocations");
    if (locs != attrs.end() && locs->is_array())
        for (const auto& loc : *locs)
            if (loc.is_object() && loc.contains("parent") && loc["parent"].is_string())
                out.push_back({"logicalLocations", loc["parent"].get<std::string>()});
    return out;
}

}  // namespace qv::server
