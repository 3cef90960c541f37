// The audit trail: an entry for every object a write changed, every account
// changed and every load, written in the write's own transaction, so that a
// change and its entry are stored together or not at all. Each entry is
// chained to the one before by its hash (AuditRow::chain_hash). Used by one
// thread at a time, inside the caller's transaction.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/Actor.hpp"
#include "server/AuditRow.hpp"
#include "server/ChangeSet.hpp"
#include "server/Database.hpp"

namespace qv::server {

// Where the chain begins: the last entry retention dropped (0 and "" when
// none was).
struct AuditAnchor {
    std::int64_t id = 0;
    std::string hash;
};

class AuditTrail {
public:
    explicit AuditTrail(Database& db) : db_(db) {}

    // One entry for the change, unless it carries nothing to record (a
    // load's own changes, which its one entry stands for).
    void record(const Actor& who, const std::string& operation, const Change& change);
    // The one entry of a load: its counts, and the file it came from when known.
    void record_load(const Actor& who, const nlohmann::json& counts, const std::string& file = {});

    // Drops the oldest entries recorded before cutoff_ms, at most max of
    // them, and moves the anchor past them; returns how many went. Only a
    // run of the oldest goes, so the chain of those left stays whole.
    std::size_t drop_older(std::int64_t cutoff_ms, std::size_t max);

    static AuditAnchor anchor(Database& db);
    // The DNs whose subtree holds dn: dn itself and each containing object
    // but the root, which a query by DN walks (audit_scopes).
    static std::vector<std::string> scopes(const std::string& dn);
    static std::int64_t now_ms();

private:
    void append(AuditRow row);

    Database& db_;
};

}  // namespace qv::server
