// ping, login, rights, set_discriminator.
#pragma once

#include <memory>
#include <string>

#include "server/Dispatcher.hpp"
#include "server/LoginThrottle.hpp"
#include "server/Offload.hpp"
#include "server/UserStore.hpp"

namespace qv::server {

class SessionOps {
public:
    SessionOps(UserStore& users, Offload& offload, LoginThrottle& throttle)
        : users_(users), offload_(offload), throttle_(throttle)
    {
    }
    void register_in(Dispatcher& dispatcher);

    // A connection is closed after this many refused logins.
    static constexpr int kMaxLoginFailures = 3;

private:
    void login(const CallPtr& call);
    void check_password(const CallPtr& call, const std::string& user, const std::shared_ptr<std::string>& password);
    nlohmann::json rights(Call& call);
    nlohmann::json set_discriminator(Call& call);
    void refresh_rights(class Session& session);

    UserStore& users_;
    Offload& offload_;
    LoginThrottle& throttle_;
};

}  // namespace qv::server
