#include "server/Backend.hpp"

#include "protocol/Dn.hpp"

namespace qv::server {

Backend::Backend(const std::string& db_path, const std::string& system_name)
    : system_name_(system_name),
      db(db_path),
      audit(db),
      objects(db),
      index(db),
      syntaxes(db),
      users(db),
      types(objects, system_name),
      node_schema(index, syntaxes, types),
      class_schema(syntaxes),
      nodes(objects, index, node_schema, types),
      node_loader(objects, index, node_schema),
      service(objects, class_schema, nodes, system_name),
      loader(service, node_loader, node_schema, objects, index, syntaxes, users),
      queries(objects, index, system_name)
{
    create_fixed_objects();
}

void Backend::create_fixed_objects()
{
    Transaction t(db);
    for (const auto& [dn, cls] : service.fixed_objects()) {
        if (objects.exists(dn))
            continue;
        const std::string parent = qv::dn::format(qv::dn::parent(*qv::dn::parse(dn)));
        StoredObject o{dn, parent, cls, nlohmann::json::object()};
        if (cls == "mdr")
            o.attrs["documents"] = nlohmann::json::array();
        objects.insert(o);
    }
    t.commit();
}

nlohmann::json Backend::load_file(const std::string& path, const std::vector<std::string>& mib_roots)
{
    ChangeSet changes;
    Transaction t(db);
    auto counts = load_document_file(path, system_name_, mib_roots, loader, changes);
    audit.record_load(Actor{"(start-up)", "qv_server", ""}, counts, path);
    t.commit();
    return counts;
}

}  // namespace qv::server
