#include "server/TopologyLoader.hpp"

#include <algorithm>

#include "protocol/Dn.hpp"
#include "server/RequestError.hpp"
#include "server/Rights.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

template <typename Fn>
void naming(const std::string& entry, Fn fn)
{
    try {
        fn();
    } catch (const RequestError& e) {
        throw RequestError(e.code(), entry + ": " + e.what());
    }
}

}  // namespace

json TopologyLoader::apply(const LoadPlan& plan, ChangeSet& changes)
{
    for (const auto& [name, syntax] : plan.syntaxes)
        syntaxes_.put(name, syntax);
    add_systems(plan.systems, changes);
    for (std::size_t i = 0; i < plan.types.size(); ++i)
        naming("types[" + std::to_string(i) + "] (" + plan.types[i].attrs["name"].get<std::string>() + ")",
               [&] { objects_.replace(plan.types[i].dn, "topoType", plan.types[i].attrs, changes); });
    put_nodes(plan, changes);
    for (std::size_t i = 0; i < plan.objects.size(); ++i)
        naming("objects[" + std::to_string(i) + "] (" + plan.objects[i].dn + ")",
               [&] { objects_.replace(plan.objects[i].dn, plan.objects[i].cls, plan.objects[i].attrs, changes); });
    add_documents(plan.documents, changes);
    for (const auto& user : plan.users)
        users_.put(UserRecord{0, user.name, user.hash, user.rights});
    return json{{"nodes", plan.nodes.size()},
                {"types", plan.types.size()},
                {"objects", plan.objects.size()},
                {"users", plan.users.size()}};
}

void TopologyLoader::put_nodes(const LoadPlan& plan, ChangeSet& changes)
{
    // Every node first, then what names other nodes: an entry may refer to
    // nodes later in the document.
    for (std::size_t i = 0; i < plan.nodes.size(); ++i)
        naming("nodes[" + std::to_string(i) + "] (id " + std::to_string(plan.nodes[i].id) + ")",
               [&] { nodes_.replace(plan.nodes[i].dn, plan.nodes[i].plain, changes); });
    const RightSet all(rights::all().begin(), rights::all().end());
    for (std::size_t i = 0; i < plan.nodes.size(); ++i) {
        if (plan.nodes[i].references.empty())
            continue;
        naming("nodes[" + std::to_string(i) + "] (id " + std::to_string(plan.nodes[i].id) + ")", [&] {
            auto node = store_.find(plan.nodes[i].dn);
            nodes_.set(all, *node, plan.nodes[i].references, changes);
        });
    }
}

void TopologyLoader::add_systems(const std::vector<std::string>& systems, ChangeSet& changes)
{
    for (const auto& system : systems) {
        const std::string dn = qv::dn::format(qv::dn::system_dn(system));
        if (!store_.exists(dn)) {
            store_.insert(StoredObject{dn, "/", "system", json::object()});
            changes.push_back({Change::Kind::Created, dn, "system", "/", {}});
        }
    }
}

void TopologyLoader::add_documents(const std::vector<std::string>& documents, ChangeSet& changes)
{
    if (documents.empty())
        return;
    const std::string mdr = qv::dn::format(qv::dn::system_dn(objects_.local_system())) + "/metaName=\"MDR\"";
    auto object = store_.find(mdr);
    if (!object)
        return;
    json list = object->attrs.value("documents", json::array());
    for (const auto& d : documents)
        if (std::find(list.begin(), list.end(), json(d)) == list.end())
            list.push_back(d);
    object->attrs["documents"] = list;
    store_.update_attrs(mdr, object->attrs);
    changes.push_back({Change::Kind::AttributesChanged, mdr, "mdr", object->parent, {"documents"}});
}

}  // namespace qv::server
