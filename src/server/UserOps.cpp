#include "server/UserOps.hpp"

#include <sodium.h>

#include "server/AdminOps.hpp"
#include "server/Log.hpp"
#include "server/Params.hpp"
#include "server/PasswordHash.hpp"
#include "server/Rights.hpp"
#include "server/Session.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

RightSet known_rights(const std::vector<std::string>& names)
{
    for (const auto& r : names)
        if (!rights::is_known(r))
            throw RequestError(ErrorCode::InvalidValue, "rights: no right is called \"" + r + "\"");
    return RightSet(names.begin(), names.end());
}

UserRecord existing(UserStore& users, const std::string& name)
{
    auto user = users.find(name);
    if (!user)
        throw RequestError(ErrorCode::NoSuchObject, "no such user: " + name);
    return *user;
}

// An account's change for the audit trail: its rights, never its password.
Change account_change(const std::string& name, json before, json after)
{
    return {Change::Kind::Account, name, "", "", {}, std::move(before), std::move(after)};
}

json rights_of(const RightSet& rights) { return json{{"rights", rights}}; }

}  // namespace

void UserOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("user.list", [this](Call& call) {
        require_admin(call, "user.list");
        json out = json::array();
        for (const auto& u : users_.all())
            out.push_back(json{{"name", u.name}, {"rights", u.rights}});
        return json{{"users", out}};
    });
    dispatcher.add_async("user.add", [this](const CallPtr& call) { put_password(call, true); });
    dispatcher.add_async("user.passwd", [this](const CallPtr& call) { put_password(call, false); });
    dispatcher.add("user.grant", [this](Call& call) { return change_rights(call, true); });
    dispatcher.add("user.revoke", [this](Call& call) { return change_rights(call, false); });
    dispatcher.add("user.delete", [this](Call& call) {
        require_admin(call, "user.delete");
        const std::string name = Params(call.params()).text("name");
        return writes_.run(call.session().actor(), "user.delete", [&](ChangeSet& changes) {
            const UserRecord gone = existing(users_, name);
            users_.remove(name);
            changes.push_back(account_change(name, rights_of(gone.rights), json::object()));
            return json::object();
        });
    });
}

void UserOps::put_password(const CallPtr& call, bool adding)
{
    Params p(call->params());
    const std::string name = p.text("name");
    if (adding || name != call->session().user() || !call->session().logged_in())
        require_admin(*call, adding ? "user.add" : "changing another user's password");
    if (name.empty())
        throw RequestError(ErrorCode::InvalidValue, "name: a user needs a name");
    RightSet rights = known_rights(p.strings_or_empty("rights"));
    if (adding && users_.find(name))
        throw RequestError(ErrorCode::AlreadyExists, "user already exists: " + name);
    if (!adding)
        rights = existing(users_, name).rights;
    auto password = std::make_shared<std::string>(p.text("password"));
    auto hash = std::make_shared<std::string>();
    offload_.run(
        call,
        [password, hash] {
            *hash = password::hash(*password);
            sodium_memzero(password->data(), password->size());
        },
        [this, call, name, rights, hash, adding] {
            writes_.run(call->session().actor(), adding ? "user.add" : "user.passwd", [&](ChangeSet& changes) {
                if (adding && users_.find(name))
                    throw RequestError(ErrorCode::AlreadyExists, "user already exists: " + name);
                if (!adding && !users_.find(name))
                    throw RequestError(ErrorCode::NoSuchObject, "no such user: " + name);
                users_.put(UserRecord{0, name, *hash, rights});
                // A new password is recorded as the event alone.
                changes.push_back(adding ? account_change(name, json::object(), rights_of(rights))
                                         : account_change(name, json::object(), json::object()));
                return json::object();
            });
            log_line("#" + std::to_string(call->session().number()) + (adding ? " added user " : " new password for ") +
                     name);
            return json::object();
        });
}

json UserOps::change_rights(Call& call, bool grant)
{
    require_admin(call, grant ? "user.grant" : "user.revoke");
    Params p(call.params());
    const std::string name = p.text("name");
    const RightSet changed = known_rights(p.strings("rights"));
    return writes_.run(call.session().actor(), grant ? "user.grant" : "user.revoke", [&](ChangeSet& changes) {
        UserRecord user = existing(users_, name);
        const RightSet before = user.rights;
        for (const auto& r : changed) {
            if (grant)
                user.rights.insert(r);
            else
                user.rights.erase(r);
        }
        if (user.rights == before)
            return json::object();
        users_.put(user);
        changes.push_back(account_change(name, rights_of(before), rights_of(user.rights)));
        return json::object();
    });
}

}  // namespace qv::server
