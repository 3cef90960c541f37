#include "server/NodeWriter.hpp"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "protocol/Dn.hpp"
#include "server/JsonCheck.hpp"
#include "server/Rights.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

struct NodeIdentity {
    std::string system;
    std::int64_t number = 0;
};

// The system and number of a node DN; code 9 when the DN names no node.
NodeIdentity identity(const std::string& dn)
{
    auto parsed = qv::dn::parse(dn);
    const char* form = "a topology node is named /systemId=name:\"S\"/topoNodeId=N with N a positive number";
    if (!parsed || parsed->rdns.size() != 2 || parsed->rdns[0].attr != "systemId" ||
        parsed->rdns[1].attr != "topoNodeId")
        throw RequestError(ErrorCode::InvalidName, form);
    const std::string& digits = parsed->rdns[1].value;
    if (digits.empty() || digits.size() > 15 || digits.find_first_not_of("0123456789") != std::string::npos ||
        digits[0] == '0')
        throw RequestError(ErrorCode::InvalidName, form);
    return {qv::dn::system_of(*parsed), std::strtoll(digits.c_str(), nullptr, 10)};
}

std::string string_attr(const json& attrs, const char* name)
{
    auto it = attrs.find(name);
    return it != attrs.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// The value without the entries that name dn.
json without(const json& value, const std::string& dn)
{
    json out = json::array();
    for (const auto& item : value) {
        const bool names_it = (item.is_string() && item == dn) ||
                              (item.is_object() && item.contains("parent") && item["parent"] == dn);
        if (!names_it)
            out.push_back(item);
    }
    return out;
}

}  // namespace

json NodeWriter::normalized(const json& attrs)
{
    check::object(attrs, "attrs", ErrorCode::Malformed);
    json out = json::object();
    for (auto it = attrs.begin(); it != attrs.end(); ++it)
        out[it.key()] = schema_.normalize(it.key(), it.value());
    return out;
}

std::string NodeWriter::new_dn(const std::string& dn, const std::string& system)
{
    if (dn.empty()) {
        const std::string system_dn = qv::dn::format(qv::dn::system_dn(system));
        if (objects_.class_of(system_dn) != std::optional<std::string>("system"))
            throw RequestError(ErrorCode::NoSuchObject, "no such system: " + system);
        return system_dn + "/topoNodeId=" + std::to_string(index_.allocate_number(system));
    }
    identity(dn);
    if (objects_.exists(dn))
        throw RequestError(ErrorCode::AlreadyExists, "object already exists: " + dn);
    const std::string parent = qv::dn::format(qv::dn::parent(*qv::dn::parse(dn)));
    if (objects_.class_of(parent) != std::optional<std::string>("system"))
        throw RequestError(ErrorCode::NoSuchObject, "no such system: " + parent);
    return dn;
}

std::string NodeWriter::create(const RightSet& held, const std::string& dn, const std::string& system,
                               const json& attrs, ChangeSet& changes)
{
    rights::require(held, rights::for_object_class("topoNode"), "creating a topology node");
    json values = normalized(attrs);
    if (!values.contains("typeName"))
        throw RequestError(ErrorCode::InvalidValue, "typeName: a new topology node needs a type");
    if (!values.contains("name"))
        values["name"] = "";
    const std::string node_dn = new_dn(dn, system);
    const std::string parent = qv::dn::format(qv::dn::parent(*qv::dn::parse(node_dn)));
    objects_.insert(StoredObject{node_dn, parent, "topoNode", values});
    store(node_dn, values, true);
    changes.push_back({Change::Kind::Created, node_dn, "topoNode", parent, {}, json::object(), values});
    return node_dn;
}

void NodeWriter::set(const RightSet& held, const StoredObject& node, const json& attrs, ChangeSet& changes)
{
    const json values = normalized(attrs);
    const json old = NodeSchema::with_defaults(node.attrs);
    std::vector<std::string> changed;
    for (auto it = values.begin(); it != values.end(); ++it)
        if (old[it.key()] != it.value())
            changed.push_back(it.key());
    for (const auto& attr : changed)
        rights::require(held, rights::for_node_attribute(attr), "changing " + attr);
    if (changed.empty())
        return;

    bool references_changed = false;
    for (const auto& attr : changed) {
        if (attr == "typeName")
            check_type_change(old["typeName"].get<std::string>(), values["typeName"].get<std::string>());
        if (attr == "parents")
            check_no_cycle(node.dn, values["parents"]);
        references_changed = references_changed || NodeSchema::is_reference_attribute(attr);
    }
    json stored = node.attrs;
    json before = json::object();
    json after = json::object();
    for (const auto& attr : changed) {
        stored[attr] = values[attr];
        before[attr] = old[attr];
        after[attr] = values[attr];
    }
    objects_.update_attrs(node.dn, stored);
    store(node.dn, stored, references_changed);
    changes.push_back({Change::Kind::AttributesChanged, node.dn, "topoNode", node.parent, changed, std::move(before),
                       std::move(after)});
}

void NodeWriter::replace(const std::string& dn, const json& attrs, ChangeSet& changes)
{
    json values = normalized(attrs);
    if (!values.contains("name"))
        values["name"] = "";
    auto existing = objects_.find(dn);
    if (existing && existing->cls != "topoNode")
        throw RequestError(ErrorCode::Conflict, dn + " exists and is not a topology node");
    if (existing) {
        objects_.update_attrs(dn, values);
        std::vector<std::string> attr_names;
        for (auto it = values.begin(); it != values.end(); ++it)
            attr_names.push_back(it.key());
        changes.push_back({Change::Kind::AttributesChanged, dn, "topoNode", existing->parent, attr_names});
    } else {
        const std::string node_dn = new_dn(dn, {});
        const std::string parent = qv::dn::format(qv::dn::parent(*qv::dn::parse(node_dn)));
        objects_.insert(StoredObject{node_dn, parent, "topoNode", values});
        changes.push_back({Change::Kind::Created, node_dn, "topoNode", parent, {}});
    }
    store(dn, values, true);
}

void NodeWriter::forget(const std::string& dn, ChangeSet& changes)
{
    for (const auto& referrer : index_.referrers(dn)) {
        if (referrer == dn)
            continue;
        auto node = objects_.find(referrer);
        if (!node)
            continue;
        std::vector<std::string> changed;
        json before = json::object();
        json after = json::object();
        for (auto it = node->attrs.begin(); it != node->attrs.end(); ++it) {
            if (!NodeSchema::is_reference_attribute(it.key()) || !it->is_array())
                continue;
            json kept = without(*it, dn);
            if (kept.size() != it->size()) {
                before[it.key()] = std::move(*it);
                after[it.key()] = kept;
                *it = std::move(kept);
                changed.push_back(it.key());
            }
        }
        objects_.update_attrs(referrer, node->attrs);
        store(referrer, node->attrs, true);
        if (!changed.empty())
            changes.push_back({Change::Kind::AttributesChanged, referrer, "topoNode", node->parent, changed,
                               std::move(before), std::move(after)});
    }
    index_.remove_node(dn);
}

void NodeWriter::check_type_change(const std::string& from, const std::string& to)
{
    auto old_type = types_.find(from);
    auto new_type = types_.find(to);
    if (old_type && new_type && old_type->is_view() != new_type->is_view())
        throw RequestError(ErrorCode::Conflict, "Cannot change the type from " + from + " to " + to +
                                                    ": a view and a non-view type have different properties");
}

void NodeWriter::check_no_cycle(const std::string& dn, const json& parents)
{
    // Walk up from each new parent; meeting dn means dn would be its own ancestor.
    std::vector<std::string> todo;
    for (const auto& p : parents)
        todo.push_back(p.get<std::string>());
    std::unordered_set<std::string> seen;
    while (!todo.empty()) {
        std::string current = std::move(todo.back());
        todo.pop_back();
        if (current == dn)
            throw RequestError(ErrorCode::Conflict, "parents: " + dn + " would become its own ancestor");
        if (!seen.insert(current).second)
            continue;
        for (auto& up : index_.parents(current))
            todo.push_back(std::move(up));
    }
}

void NodeWriter::store(const std::string& dn, const json& attrs, bool references_changed)
{
    const NodeIdentity id = identity(dn);
    index_.put_node(NodeRow{dn, id.system, id.number, string_attr(attrs, "name"), string_attr(attrs, "typeName")});
    if (references_changed)
        index_.put_references(dn, NodeSchema::references(attrs));
}

}  // namespace qv::server
