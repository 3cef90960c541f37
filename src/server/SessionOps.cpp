#include "server/SessionOps.hpp"

#include <cstdio>

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
// removed) takes effect at once, not at the user's next login. The session
// is bound to the account's id: a new account of the same name is another user.
void SessionOps::refresh_rights(Session& session)
{
    if (!session.config().require_login || !session.logged_in())
        return;
    auto record = users_.find(session.user_id());
    if (!record)
        throw RequestError(ErrorCode::Login, "Login incorrect: the user " + session.user() + " no longer exists");
    session.set_rights(record->rights);
}

void SessionOps::login(const CallPtr& call)
{
    Params p(call->params());
    const std::string user = p.text("user");
    auto password = std::make_shared<std::string>(p.text("password"));
    const std::string address = call->session().address();
    if (!throttle_.enqueue(address, [this, call, user, password] { check_password(call, user, password); })) {
        sodium_memzero(password->data(), password->size());
        log_line("#" + std::to_string(call->session().number()) + " login " + user + ": refused unchecked, " +
                 std::to_string(LoginThrottle::kMaxWaiting) + " logins from " + address + " wait already");
        throw RequestError(ErrorCode::Login,
                           "Login refused: too many logins from " + address + " at once; try again later");
    }
}

void SessionOps::check_password(const CallPtr& call, const std::string& user,
                                const std::shared_ptr<std::string>& password)
{
    const std::string address = call->session().address();
    if (call->session().closed()) {
        throttle_.pass(address);
        return;
    }
    // Read when its turn comes: what waited may be out of date.
    auto record = std::make_shared<std::optional<UserRecord>>(users_.find(user));
    auto matched = std::make_shared<bool>(false);
    offload_.run_then(
        call,
        [password, record, matched] {
            try {
                *matched = record->has_value() && password::verify((*record)->hash, *password);
            } catch (...) {
                *matched = false;  // the throttle's line must move on whatever happens
            }
            sodium_memzero(password->data(), password->size());
        },
        [this, call, user, address, record, matched] {
            throttle_.finish(address, user, *matched, [call, user, record, matched](double delay) {
                Session& session = call->session();
                const std::string who = "#" + std::to_string(session.number()) + " login " + user;
                if (*matched) {
                    log_line(who + ": accepted");
                    session.set_user(user, (*record)->id, (*record)->rights);
                    call->reply(json{{"user", user}});
                    return;
                }
                const int failures = session.count_login_failure();
                char slowed[64] = "";
                if (delay > 0)
                    std::snprintf(slowed, sizeof slowed, ", answered after %.2f s", delay);
                log_line(who + ": refused (" + std::to_string(failures) + ") from " + session.address() + slowed);
                call->fail(ErrorCode::Login, "Login incorrect");
                if (failures >= kMaxLoginFailures)
                    session.close_after_output("too many refused logins");
            });
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
