// admin.load and admin.dump.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/Offload.hpp"
#include "server/SyntaxStore.hpp"
#include "server/TopologyLoader.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

class AdminOps {
public:
    AdminOps(TopologyLoader& loader, ObjectStore& store, SyntaxStore& syntaxes, WriteRunner& writes,
             Offload& offload, std::string local_system, std::vector<std::string> mib_roots)
        : loader_(loader),
          store_(store),
          syntaxes_(syntaxes),
          writes_(writes),
          offload_(offload),
          local_system_(std::move(local_system)),
          mib_roots_(std::move(mib_roots))
    {
    }
    void register_in(Dispatcher& dispatcher);

private:
    void load(const CallPtr& call);
    nlohmann::json dump(Call& call);

    TopologyLoader& loader_;
    ObjectStore& store_;
    SyntaxStore& syntaxes_;
    WriteRunner& writes_;
    Offload& offload_;
    std::string local_system_;
    std::vector<std::string> mib_roots_;
};

// Code 5 unless the connection holds the right Admin.
void require_admin(Call& call, const std::string& what);

}  // namespace qv::server
