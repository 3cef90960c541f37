#include "server/LoadPlan.hpp"

#include <algorithm>

#include "protocol/Dn.hpp"
#include "server/DocumentReader.hpp"
#include "server/JsonCheck.hpp"
#include "server/MibModules.hpp"
#include "server/PasswordHash.hpp"
#include "server/Rights.hpp"
#include "server/TypeCatalog.hpp"
#include "server/ValueSyntax.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

// Runs fn for each element of document[member], naming the entry in any error.
template <typename Fn>
void each_entry(const json& document, const char* member, std::size_t offset, Fn fn)
{
    auto list = document.find(member);
    if (list == document.end())
        return;
    check::array(*list, member);
    for (std::size_t i = 0; i < list->size(); ++i) {
        try {
            fn((*list)[i]);
        } catch (const RequestError& e) {
            throw RequestError(e.code(), std::string(member) + "[" + std::to_string(offset + i) + "]: " + e.what());
        }
    }
}

std::string absolute(const std::string& text, const std::string& system, const std::string& what)
{
    return qv::dn::format(qv::dn::resolve(check::canonical_dn(text, what), qv::dn::system_dn(system)));
}

void read_syntaxes(const json& document, LoadPlan& plan)
{
    auto it = document.find("syntaxes");
    if (it == document.end())
        return;
    check::object(*it, "syntaxes");
    for (auto s = it->begin(); s != it->end(); ++s) {
        const std::string& text = check::string(s.value(), "syntaxes." + s.key());
        plan.syntaxes.emplace_back(s.key(), value_syntax::check_type(s.key(), text));
    }
}

ObjectEntry read_type(const json& t, const std::string& system)
{
    check::object(t, "type");
    check::only_members(t, {"name", "kinds", "attributes"}, "type");
    const std::string& name = check::string(check::member(t, "name", "type"), "name");
    if (name.empty())
        check::fail("name", "a type name");
    json attrs{{"name", name}, {"kinds", t.value("kinds", json::array())},
               {"attributes", t.value("attributes", json::array())}};
    return {qv::dn::format(qv::dn::system_dn(system)) + "/topoTypeId=" + qv::dn::quote(name), "topoType", attrs};
}

UserEntry read_user(const json& u)
{
    check::object(u, "user");
    check::only_members(u, {"name", "password", "rights"}, "user");
    UserEntry user;
    user.name = check::string(check::member(u, "name", "user"), "name");
    if (user.name.empty())
        check::fail("name", "a user name");
    for (const auto& r : check::strings(u.value("rights", json::array()), "rights")) {
        if (!rights::is_known(r))
            throw RequestError(ErrorCode::InvalidValue, "rights: no right is called \"" + r + "\"");
        user.rights.insert(r);
    }
    user.hash = password::hash(check::string(check::member(u, "password", "user"), "password"));
    return user;
}

void add_documents(std::vector<std::string>& documents, const std::vector<std::string>& more)
{
    for (const auto& d : more)
        if (std::find(documents.begin(), documents.end(), d) == documents.end())
            documents.push_back(d);
}

}  // namespace

LoadPlan read_topology_document(const json& document, const std::string& system,
                                const std::vector<std::string>& mib_roots, const EntryOffsets& offsets)
{
    return read_topology_document(document.dump(-1, ' ', false, json::error_handler_t::replace), nullptr,
                                  "document", system, mib_roots, offsets);
}

LoadPlan read_topology_document(std::string_view text, const char* member, const std::string& what,
                                const std::string& system, const std::vector<std::string>& mib_roots,
                                const EntryOffsets& offsets, bool checked)
{
    DocumentText read = DocumentReader::read(text, member, what, checked);
    const json& document = read.head;
    check::object(document, "document", ErrorCode::Malformed);
    if (document.value("format", json()) != "qv-topology")
        throw RequestError(ErrorCode::Malformed, "not a topology document: \"format\" is not \"qv-topology\"");
    if (document.value("version", json()) != 1)
        throw RequestError(ErrorCode::Malformed, "unsupported topology document version; this server reads 1");
    check::only_members(document,
                        {"format", "version", "syntaxes", "types", "nodes", "objects", "documents",
                         "mib_directories", "systems", "users"},
                        "document");
    LoadPlan plan;
    read_syntaxes(document, plan);
    each_entry(document, "types", offsets.types, [&](const json& t) { plan.types.push_back(read_type(t, system)); });
    // A "nodes" that is no list is still in the document, to be refused.
    each_entry(document, "nodes", offsets.nodes,
               [&](const json& n) { plan.nodes.push_back(read_node_entry({}, n, system)); });
    plan.nodes.reserve(read.nodes.size());
    for (std::size_t i = 0; i < read.nodes.size(); ++i) {
        try {
            plan.nodes.push_back(read_node_entry(std::move(read.nodes[i].first), read.nodes[i].second, system));
        } catch (const RequestError& e) {
            throw RequestError(e.code(), "nodes[" + std::to_string(offsets.nodes + i) + "]: " + e.what());
        }
    }
    read.nodes.clear();
    each_entry(document, "objects", offsets.objects, [&](const json& o) {
        check::object(o, "object");
        check::only_members(o, {"dn", "class", "attrs"}, "object");
        json attrs = check::object(o.value("attrs", json::object()), "attrs");
        // DN-valued attributes may be relative to the system like the object's own DN.
        if (attrs.contains("managedObjects") && attrs["managedObjects"].is_array())
            for (auto& dn : attrs["managedObjects"])
                if (dn.is_string())
                    dn = absolute(dn.get<std::string>(), system, "managedObjects");
        plan.objects.push_back({absolute(check::string(check::member(o, "dn", "object"), "dn"), system, "dn"),
                                check::string(check::member(o, "class", "object"), "class"), attrs});
    });
    add_documents(plan.documents, check::strings(document.value("documents", json::array()), "documents"));
    for (const auto& dir : check::strings(document.value("mib_directories", json::array()), "mib_directories"))
        add_documents(plan.documents, mib_modules(dir, mib_roots));
    each_entry(document, "systems", 0, [&](const json& s) {
        const std::string& name = check::string(s, "system");
        if (name.empty())
            check::fail("system", "a system name");
        plan.systems.push_back(name);
    });
    each_entry(document, "users", offsets.users, [&](const json& u) { plan.users.push_back(read_user(u)); });
    return plan;
}

}  // namespace qv::server
