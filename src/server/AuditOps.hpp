// audit.query, audit.stats and audit.verify: reading the audit trail, for
// holders of Admin or ReadAudit.
#pragma once

#include <string>

#include "server/AuditQuery.hpp"
#include "server/Dispatcher.hpp"
#include "server/Offload.hpp"

namespace qv::server {

class AuditOps {
public:
    // Entries in one reply at most.
    static constexpr std::int64_t kMaxLimit = 1000;

    AuditOps(AuditQuery& query, Offload& offload, std::string db_path, std::string local_system)
        : query_(query), offload_(offload), db_path_(std::move(db_path)), local_system_(std::move(local_system))
    {
    }
    void register_in(Dispatcher& dispatcher);

private:
    nlohmann::json query(Call& call);
    // Runs a whole-trail report on a worker, on a connection of its own (the
    // server's connection stays the network thread's).
    void report(const CallPtr& call, bool verify);

    AuditQuery& query_;
    Offload& offload_;
    std::string db_path_;
    std::string local_system_;
};

}  // namespace qv::server
