// user.list, user.add, user.passwd, user.grant, user.revoke, user.delete.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/Offload.hpp"
#include "server/UserStore.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

class UserOps {
public:
    UserOps(UserStore& users, WriteRunner& writes, Offload& offload)
        : users_(users), writes_(writes), offload_(offload)
    {
    }
    void register_in(Dispatcher& dispatcher);

private:
    // Hashes the password off the network thread, then stores the user.
    void put_password(const CallPtr& call, bool adding);
    nlohmann::json change_rights(Call& call, bool grant);

    UserStore& users_;
    WriteRunner& writes_;
    Offload& offload_;
};

}  // namespace qv::server
