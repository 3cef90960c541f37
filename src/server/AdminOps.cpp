#include "server/AdminOps.hpp"

#include "server/Log.hpp"
#include "server/Params.hpp"
#include "server/Rights.hpp"
#include "server/Session.hpp"

namespace qv::server {

using nlohmann::json;

void require_admin(Call& call, const std::string& what)
{
    rights::require(call.session().rights(), {rights::kAdmin}, what);
}

void AdminOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add_async("admin.load", [this](const CallPtr& call) { load(call); });
    dispatcher.add("admin.dump", [this](Call& call) { return dump(call); });
}

void AdminOps::load(const CallPtr& call)
{
    require_admin(*call, "admin.load");
    Params p(call->params());
    if (!p.has("document"))
        throw RequestError(ErrorCode::Malformed, "the parameter \"document\" is missing");
    auto document = std::make_shared<json>(call->params()["document"]);
    if (document->is_string()) {
        *document = json::parse(document->get<std::string>(), nullptr, false);
        if (document->is_discarded())
            throw RequestError(ErrorCode::Malformed, "document: not valid JSON");
    }
    auto plan = std::make_shared<LoadPlan>();
    offload_.run(
        call,
        [document, plan, system = local_system_, roots = mib_roots_] {
            *plan = read_topology_document(*document, system, roots);
        },
        [this, call, plan] {
            json counts = writes_.run([&](ChangeSet& changes) { return loader_.apply(*plan, changes); });
            log_line("#" + std::to_string(call->session().number()) + " loaded a topology: " + counts.dump());
            return counts;
        });
}

json AdminOps::dump(Call& call)
{
    require_admin(call, "admin.dump");
    Params p(call.params());
    json objects = json::array();
    auto add = [&](const StoredObject& o) {
        objects.push_back(json{{"dn", o.dn}, {"class", o.cls}, {"attrs", o.attrs}});
    };
    if (p.has("dn")) {
        const std::string dn = p.dn("dn");
        if (!store_.exists(dn))
            throw RequestError(ErrorCode::NoSuchObject, "no such object: " + dn);
        for (const auto& ref : store_.subtree(dn))
            if (auto o = store_.find(ref.dn))
                add(*o);
        return json{{"objects", objects}};
    }
    for (const auto& o : store_.all())
        add(o);
    return json{{"objects", objects}, {"syntaxes", syntaxes_.all()}};
}

}  // namespace qv::server
