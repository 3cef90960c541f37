// exists, get, set, create, delete and action on managed objects.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/ObjectService.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

class ObjectOps {
public:
    ObjectOps(ObjectService& objects, ObjectStore& store, WriteRunner& writes)
        : objects_(objects), store_(store), writes_(writes)
    {
    }
    void register_in(Dispatcher& dispatcher);

    // The reply of the metadata repository's getAllDocuments:
    // {{document "IF-MIB"},{document "RPC Proxy - ping"}}
    static std::string all_documents_reply(const nlohmann::json& documents);

private:
    std::string target(Call& call) const;
    void get(const CallPtr& call);
    nlohmann::json create(Call& call);
    nlohmann::json action(Call& call);

    ObjectService& objects_;
    ObjectStore& store_;
    WriteRunner& writes_;
};

}  // namespace qv::server
