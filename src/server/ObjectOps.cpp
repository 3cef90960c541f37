#include "server/ObjectOps.hpp"

#include "protocol/Dn.hpp"
#include "server/JsonText.hpp"
#include "server/Params.hpp"
#include "server/Session.hpp"

namespace qv::server {

using nlohmann::json;

void ObjectOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("exists", [this](Call& call) { return json{{"exists", store_.exists(target(call))}}; });
    dispatcher.add_async("get", [this](const CallPtr& call) { get(call); });
    dispatcher.add("set", [this](Call& call) {
        const std::string dn = target(call);
        const json& attrs = Params(call.params()).object("attrs");
        return writes_.run(call.session().actor(), "set", [&](ChangeSet& changes) {
            objects_.set(call.session().rights(), dn, attrs, changes);
            return json::object();
        });
    });
    dispatcher.add("create", [this](Call& call) { return create(call); });
    dispatcher.add("delete", [this](Call& call) {
        const std::string dn = target(call);
        return writes_.run(call.session().actor(), "delete", [&](ChangeSet& changes) {
            return json{{"deleted", objects_.remove(call.session().rights(), dn, changes)}};
        });
    });
    dispatcher.add("action", [this](Call& call) { return action(call); });
}

// Names without a leading "/" are taken below the local system.
std::string ObjectOps::target(Call& call) const
{
    std::string dn = Params(call.params()).dn("dn");
    if (!dn.empty() && dn.front() == '/')
        return dn;  // canonical and absolute already
    auto parsed = qv::dn::parse(dn);
    return qv::dn::format(qv::dn::resolve(*parsed, qv::dn::system_dn(objects_.local_system())));
}

// The most frequent request: its reply is spelt from the stored text.
void ObjectOps::get(const CallPtr& call)
{
    const std::string dn = target(*call);
    Params p(call->params());
    if (p.has("attrs")) {
        StoredObject object = objects_.get(dn);
        json attrs = json::object();
        for (const auto& name : p.strings("attrs"))
            if (auto it = object.attrs.find(name); it != object.attrs.end())
                attrs[name] = std::move(*it);
        call->reply({{"attrs", std::move(attrs)}, {"class", std::move(object.cls)}, {"dn", std::move(object.dn)}});
        return;
    }
    std::string cls;
    std::string members = "\"attrs\":";
    objects_.append_attrs_text(dn, cls, members);
    members += ",\"class\":";
    json_text::append_string(members, cls);
    members += ",\"dn\":";
    json_text::append_string(members, dn);
    call->reply_members(members);
}

json ObjectOps::create(Call& call)
{
    Params p(call.params());
    const std::string cls = p.text("class");
    const std::string dn = p.has("dn") ? target(call) : std::string();
    const std::string system = p.text_or("system", {});
    const json& attrs = p.object_or_empty("attrs");
    return writes_.run(call.session().actor(), "create", [&](ChangeSet& changes) {
        return json{{"dn", objects_.create(call.session().rights(), dn, cls, attrs, system, changes)}};
    });
}

json ObjectOps::action(Call& call)
{
    Params p(call.params());
    const std::string name = p.text("action");
    StoredObject object = objects_.get(target(call));
    if (object.cls == "mdr" && name == "getAllDocuments")
        return json{{"reply", all_documents_reply(object.attrs.value("documents", json::array()))}};
    throw RequestError(ErrorCode::UnknownOperation, "an object of class " + object.cls + " has no action \"" +
                                                        name + "\"");
}

std::string ObjectOps::all_documents_reply(const json& documents)
{
    std::string out = "{";
    bool first = true;
    for (const auto& doc : documents) {
        if (!doc.is_string())
            continue;
        if (!first)
            out += ",";
        first = false;
        out += "{document " + qv::dn::quote(doc.get<std::string>()) + "}";
    }
    return out + "}";
}

}  // namespace qv::server
