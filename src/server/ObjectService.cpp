#include "server/ObjectService.hpp"

#include <algorithm>

#include "protocol/Dn.hpp"
#include "server/JsonCheck.hpp"
#include "server/JsonText.hpp"
#include "server/NodeSchema.hpp"
#include "server/Rights.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

qv::dn::Dn parsed(const std::string& canonical_dn) { return *qv::dn::parse(canonical_dn); }

std::string last_value_text(const std::string& dn)
{
    const auto d = parsed(dn);
    return d.rdns.empty() ? std::string() : qv::dn::value_text(d.rdns.back().value);
}

}  // namespace

ObjectService::ObjectService(ObjectStore& objects, ClassSchema& schema, NodeWriter& nodes, std::string local_system)
    : objects_(objects), schema_(schema), nodes_(nodes), local_system_(std::move(local_system))
{
}

std::vector<std::pair<std::string, std::string>> ObjectService::fixed_objects() const
{
    const std::string s = qv::dn::format(qv::dn::system_dn(local_system_));
    return {{s, "system"},
            {s + "/metaName=\"MDR\"", "mdr"},
            {s + "/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}", "internetClass"},
            {s + "/agentTableType=\"CMIP\"", "agentTable"},
            {s + "/agentTableType=\"RPC\"", "agentTable"}};
}

bool ObjectService::is_fixed(const std::string& dn) const
{
    const auto fixed = fixed_objects();
    return std::any_of(fixed.begin(), fixed.end(), [&](const auto& f) { return f.first == dn; });
}

StoredObject ObjectService::get(const std::string& dn)
{
    auto object = objects_.find(dn);
    if (!object)
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + dn);
    if (object->cls == "topoNode")
        object->attrs = NodeSchema::with_defaults(std::move(object->attrs));
    return std::move(*object);
}

void ObjectService::append_attrs_text(const std::string& dn, std::string& cls, std::string& out)
{
    std::string stored;
    if (!objects_.find_text(dn, cls, stored))
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + dn);
    out.reserve(out.size() + stored.size() + 512);  // room for a node's defaults
    if (cls == "topoNode") {
        if (NodeSchema::append_with_defaults(stored, out))
            return;
    } else if (std::vector<json_text::Member> members; json_text::split_members(stored, members)) {
        out += stored;
        return;
    }
    // Not an object's text: what get() makes of it.
    out += get(dn).attrs.dump(-1, ' ', false, json::error_handler_t::replace);
}

json ObjectService::normalized(const std::string& cls, const std::string& dn, const json& attrs)
{
    check::object(attrs, "attrs", ErrorCode::Malformed);
    json out = json::object();
    for (auto it = attrs.begin(); it != attrs.end(); ++it)
        out[it.key()] = schema_.normalize(cls, it.key(), it.value());
    if (cls == "topoType" && out.contains("name") && out["name"] != last_value_text(dn))
        throw RequestError(ErrorCode::InvalidValue, "name: a type's name is the one in its DN, " +
                                                        last_value_text(dn));
    return out;
}

json ObjectService::whole(const std::string& cls, const std::string& dn, const json& attrs)
{
    json out = normalized(cls, dn, attrs);
    if (cls == "cmipAgentEntity" && !out.contains("agentId"))
        out["agentId"] = parsed(dn).rdns.back().value;  // e.g. id:"NAME"
    if (cls == "topoType") {
        out["name"] = last_value_text(dn);
        for (const char* list : {"kinds", "attributes"})
            if (!out.contains(list))
                out[list] = json::array();
    }
    return out;
}

std::string ObjectService::parent_of_new(const std::string& dn, const std::string& cls, bool known_new,
                                         std::string* known_parent)
{
    const auto d = parsed(dn);
    if (!d.absolute || d.rdns.empty())
        throw RequestError(ErrorCode::InvalidName, "cannot create an object named " + dn);
    const std::string naming = ClassSchema::naming_attribute(cls);
    if (!naming.empty() && d.rdns.back().attr != naming)
        throw RequestError(ErrorCode::InvalidName, "an object of class " + cls + " is named by " + naming +
                                                       ", not by " + d.rdns.back().attr);
    if (!known_new && objects_.exists(dn))
        throw RequestError(ErrorCode::AlreadyExists, "object already exists: " + dn);
    std::string parent = qv::dn::format(qv::dn::parent(d));
    if (parent == "/" || (known_parent && *known_parent == parent))
        return parent;
    if (!objects_.exists(parent))
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + parent + " (the parent of " + dn + ")");
    if (known_parent)
        *known_parent = parent;
    return parent;
}

std::string ObjectService::create(const RightSet& held, const std::string& dn, const std::string& cls,
                                  const json& attrs, const std::string& system, ChangeSet& changes)
{
    if (cls == "topoNode")
        return nodes_.create(held, dn, system.empty() ? local_system_ : system, attrs, changes);
    if (dn.empty())
        throw RequestError(ErrorCode::Malformed, "create: \"dn\" is missing");
    rights::require(held, rights::for_object_class(cls), "creating a " + cls);
    const std::string parent = parent_of_new(dn, cls);
    json values = whole(cls, dn, attrs);
    objects_.insert(StoredObject{dn, parent, cls, values});
    changes.push_back({Change::Kind::Created, dn, cls, parent, {}, json::object(), std::move(values)});
    return dn;
}

void ObjectService::set(const RightSet& held, const std::string& dn, const json& attrs, ChangeSet& changes)
{
    auto object = objects_.find(dn);
    if (!object)
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + dn);
    if (object->cls == "topoNode")
        return nodes_.set(held, *object, attrs, changes);
    const json values = normalized(object->cls, dn, attrs);
    std::vector<std::string> changed;
    for (auto it = values.begin(); it != values.end(); ++it) {
        auto old = object->attrs.find(it.key());
        if (old == object->attrs.end() || *old != it.value())
            changed.push_back(it.key());
    }
    if (changed.empty())
        return;
    rights::require(held, rights::for_object_class(object->cls), "changing a " + object->cls);
    json before = json::object();
    json after = json::object();
    for (const auto& attr : changed) {
        if (auto old = object->attrs.find(attr); old != object->attrs.end())
            before[attr] = *old;
        after[attr] = object->attrs[attr] = values[attr];
    }
    objects_.update_attrs(dn, object->attrs);
    changes.push_back({Change::Kind::AttributesChanged, dn, object->cls, object->parent, changed, std::move(before),
                       std::move(after)});
}

std::vector<std::string> ObjectService::remove(const RightSet& held, const std::string& dn, ChangeSet& changes)
{
    auto cls = objects_.class_of(dn);
    if (!cls)
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + dn);
    rights::require(held, rights::for_object_class(*cls), "deleting a " + *cls);
    auto doomed = objects_.subtree(dn);
    for (const auto& ref : doomed) {
        if (is_fixed(ref.dn))
            throw RequestError(ErrorCode::Conflict, "cannot delete " + ref.dn + ": the server's own objects stay");
        if (ref.cls == "topoType" && nodes_.type_in_use(last_value_text(ref.dn)))
            throw RequestError(ErrorCode::Conflict,
                               "cannot delete the type " + last_value_text(ref.dn) + ": topology nodes use it");
    }
    std::vector<std::string> deleted;
    // Children go first, so every notification names an object whose
    // parent still existed when it went.
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        if (it->cls == "topoNode")
            nodes_.forget(it->dn, changes);
        // Its last attributes, as a get would have shown them, for the audit trail.
        json last = get(it->dn).attrs;
        objects_.remove(it->dn);
        changes.push_back({Change::Kind::Deleted, it->dn, it->cls, qv::dn::format(qv::dn::parent(parsed(it->dn))),
                           {}, std::move(last), json::object()});
        deleted.push_back(it->dn);
    }
    return deleted;
}

void ObjectService::replace(const std::string& dn, const std::string& cls, const json& attrs, ChangeSet& changes,
                            std::string* known_parent)
{
    if (cls == "topoNode")
        return nodes_.replace(dn, attrs, changes);
    // Most of a load's objects are new: one insert finds out. Anything else,
    // a refusal included, is looked at as before, so that an existing
    // object is refused for what it is.
    try {
        std::string parent = parent_of_new(dn, cls, true, known_parent);
        if (objects_.insert_new(StoredObject{dn, parent, cls, whole(cls, dn, attrs)})) {
            changes.push_back({Change::Kind::Created, dn, cls, std::move(parent), {}});
            return;
        }
    } catch (const RequestError&) {
    }
    auto existing = objects_.find(dn);
    if (!existing) {
        const std::string parent = parent_of_new(dn, cls, true);
        objects_.insert(StoredObject{dn, parent, cls, whole(cls, dn, attrs)});
        changes.push_back({Change::Kind::Created, dn, cls, parent, {}});
        return;
    }
    if (existing->cls != cls)
        throw RequestError(ErrorCode::Conflict, dn + " exists with the class " + existing->cls + ", not " + cls);
    const json values = whole(cls, dn, attrs);
    objects_.update_attrs(dn, values);
    std::vector<std::string> names;
    for (auto it = values.begin(); it != values.end(); ++it)
        names.push_back(it.key());
    changes.push_back({Change::Kind::AttributesChanged, dn, cls, existing->parent, names});
}

}  // namespace qv::server
