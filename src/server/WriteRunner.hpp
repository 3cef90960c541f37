// Runs one write request as one transaction: on any failure nothing of it is
// stored, recorded or announced; before the commit every change is entered
// in the audit trail, after it the changes are published.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "server/Actor.hpp"
#include "server/AuditTrail.hpp"
#include "server/ChangeSet.hpp"
#include "server/Database.hpp"
#include "server/EventHub.hpp"

namespace qv::server {

class WriteRunner {
public:
    WriteRunner(Database& db, EventHub& hub, AuditTrail& audit) : db_(db), hub_(hub), audit_(audit) {}

    // operation names the request in the audit trail ("set", "user.grant"...).
    nlohmann::json run(const Actor& who, const std::string& operation,
                       const std::function<nlohmann::json(ChangeSet&)>& write);
    // Announces what a write made elsewhere changed (a load, once committed).
    void publish(const ChangeSet& changes) { hub_.publish(changes); }

    // While a load holds the database's write lock, writes are refused at
    // once with why (rather than waiting for the lock on the network thread).
    void hold(std::string why) { held_ = std::move(why); }
    void release() { held_.clear(); }
    bool held() const { return !held_.empty(); }

private:
    Database& db_;
    EventHub& hub_;
    AuditTrail& audit_;
    std::string held_;
};

}  // namespace qv::server
