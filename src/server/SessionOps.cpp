#include "server/SessionOps.hpp"

#include <sodium.h>

#include "server/Log.hpp"
#include "server/Params.hpp"
#include "server/PasswordHash.hpp"
#include "server/Rights.hpp"
#include "server/Session.hpp"

namespace qv::server {

using nlohmann::json;

void SessionOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("ping", [](Call&) { return json::object(); });
    dispatcher.add_async("login", [this](const CallPtr& call) { login(call); });
    dispatcher.add("rights", [this](Call& call) { return rights(call); });
    dispatcher.add("set_discriminator", [this](Call& call) { return set_discriminator(call); });
    dispatcher.set_gate([this](Call& call) { refresh_rights(call.session()); });
}

// Rights are read again at every request, so that a right revoked (or a user
// removed) takes effect at once, not at the user's next login.
void SessionOps::refresh_rights(Session& session)
{
    if (!session.config().require_login || !session.logged_in())
        return;
    auto record = users_.find(session.user());
    if (!record)
        throw RequestError(ErrorCode::Login, "Login incorrect: the user " + session.user() + " no longer exists");
    session.set_user(session.user(), record->rights);
}

void SessionOps::login(const CallPtr& call)
{
    Params p(call->params());
    const std::string user = p.text("user");
    auto password = std::make_shared<std::string>(p.text("password"));
    auto record = users_.find(user);
    auto hash = std::make_shared<std::string>(record ? record->hash : std::string());
    auto rights = std::make_shared<RightSet>(record ? record->rights : RightSet());
    auto matched = std::make_shared<bool>(false);
    offload_.run(
        call,
        [password, hash, matched] {
            *matched = password::verify(*hash, *password);
            sodium_memzero(password->data(), password->size());
        },
        [call, user, rights, matched]() -> json {
            Session& session = call->session();
            const std::string who = "#" + std::to_string(session.number()) + " login " + user;
            if (*matched) {
                log_line(who + ": accepted");
                session.set_user(user, *rights);
                return json{{"user", user}};
            }
            const int failures = session.count_login_failure();
            log_line(who + ": refused (" + std::to_string(failures) + ")");
            if (failures >= kMaxLoginFailures) {
                call->fail(ErrorCode::Login, "Login incorrect");
                session.close_after_output("too many refused logins");
                return json::object();
            }
            throw RequestError(ErrorCode::Login, "Login incorrect");
        });
}

json SessionOps::rights(Call& call)
{
    Session& session = call.session();
    if (session.application() == "qv_tolvar" && !session.rights().count(rights::kRunObjectProperties))
        throw RequestError(ErrorCode::NotAuthorized,
                           "Not authorized: running qv_tolvar needs the right " + rights::kRunObjectProperties);
    return json{{"user", session.user()}, {"rights", json(session.rights())}};
}

json SessionOps::set_discriminator(Call& call)
{
    Params p(call.params());
    auto classes = p.strings_or_empty("classes");
    auto types = p.strings_or_empty("event_types");
    call.session().discriminator().replace({classes.begin(), classes.end()}, {types.begin(), types.end()});
    return json::object();
}

}  // namespace qv::server
