#include "server/TopologyLoader.hpp"

#include <algorithm>

#include "protocol/Dn.hpp"
#include "protocol/DocumentParts.hpp"
#include "server/RequestError.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

// Runs fn; a refusal it throws names the entry (the name made only then).
template <typename Name, typename Fn>
void naming(const Name& entry, Fn fn)
{
    try {
        fn();
    } catch (const RequestError& e) {
        throw RequestError(e.code(), entry() + ": " + e.what());
    }
}

}  // namespace

void TopologyLoader::apply(const LoadPlan& plan, LoadProgress& progress, ChangeSet& changes)
{
    // Node references wait for the end; types found stay known meanwhile.
    struct Loading {
        NodeSchema& schema;
        explicit Loading(NodeSchema& s) : schema(s) { schema.set_loading(true); }
        ~Loading() { schema.set_loading(false); }
    } loading(schema_);
    EntryOffsets& seen = progress.seen;
    for (const auto& [name, syntax] : plan.syntaxes)
        syntaxes_.put(name, syntax);
    add_systems(plan.systems, changes);
    for (std::size_t i = 0; i < plan.types.size(); ++i)
        naming([&] {
            const std::string& name = plan.types[i].attrs["name"].get_ref<const std::string&>();
            return "types[" + std::to_string(seen.types + i) + "] (" + name + ")";
        },
               [&] { objects_.replace(plan.types[i].dn, "topoType", plan.types[i].attrs, changes); });
    seen.types += plan.types.size();
    put_nodes(plan, progress, changes);
    std::string parent;  // the last parent found: nothing deletes it meanwhile
    for (std::size_t i = 0; i < plan.objects.size(); ++i)
        naming([&] { return "objects[" + std::to_string(seen.objects + i) + "] (" + plan.objects[i].dn + ")"; },
               [&] {
                   objects_.replace(plan.objects[i].dn, plan.objects[i].cls, plan.objects[i].attrs, changes,
                                    &parent);
               });
    seen.objects += plan.objects.size();
    add_documents(plan.documents, changes);
    for (const auto& user : plan.users)
        users_.put(UserRecord{0, user.name, user.hash, user.rights});
    seen.users += plan.users.size();
}

json TopologyLoader::finish(const LoadProgress& progress)
{
    progress.checks.verify(index_, objects_.local_system());
    const EntryOffsets& seen = progress.seen;
    return json{{"nodes", seen.nodes}, {"types", seen.types}, {"objects", seen.objects}, {"users", seen.users}};
}

void TopologyLoader::put_nodes(const LoadPlan& plan, LoadProgress& progress, ChangeSet& changes)
{
    nodes_.load(plan.nodes, progress.seen.nodes, objects_.local_system(),
                progress.record_node_changes ? &changes : nullptr);
    for (const auto& node : plan.nodes)
        progress.checks.add(progress.seen.nodes++, node);
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

namespace qv::server {

json load_document_file(const std::string& path, const std::string& system, const std::vector<std::string>& mib_roots,
                        TopologyLoader& loader, ChangeSet& changes)
{
    LoadProgress progress;
    qv::proto::DocumentParts::split_file(path, [&](json part) {
        const LoadPlan plan = read_topology_document(part, system, mib_roots, progress.seen);
        loader.apply(plan, progress, changes);
    });
    return loader.finish(progress);
}

}  // namespace qv::server
