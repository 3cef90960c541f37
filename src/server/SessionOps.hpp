// ping, login, rights, set_discriminator.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/Offload.hpp"
#include "server/UserStore.hpp"

namespace qv::server {

class SessionOps {
public:
    SessionOps(UserStore& users, Offload& offload) : users_(users), offload_(offload) {}
    void register_in(Dispatcher& dispatcher);

    // A connection is closed after this many refused logins.
    static constexpr int kMaxLoginFailures = 3;

private:
    void login(const CallPtr& call);
    nlohmann::json rights(Call& call);
    nlohmann::json set_discriminator(Call& call);
    void refresh_rights(class Session& session);

    UserStore& users_;
    Offload& offload_;
};

}  // namespace qv::server
