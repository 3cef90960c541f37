// One entry of the audit trail as stored: who, when, what, and the hash that
// chains it to the entry before.
#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "server/Statement.hpp"

namespace qv::server {

struct AuditRow {
    std::int64_t id = 0;         // recording order, never reused
    std::int64_t time_ms = 0;    // UTC, milliseconds since 1970
    // The latest time_ms of this entry and every one before it: a walk from
    // the newest entry may stop here once it passes a lower time bound, even
    // if the clock was once set back.
    std::int64_t latest_ms = 0;
    std::string user;            // the logged-in user, or "open mode"
    std::string program;         // the application its hello named
    std::string address;         // the client's IP address
    std::string operation;       // create, set, delete, load, user.add...
    std::string dn;              // the object changed (empty for users and loads)
    std::string account;         // the user changed (user.* only)
    std::string detail;          // JSON object: "before" and "after", or a load's "counts"
    std::string hash;            // hex SHA-256, see chain_hash

    // The columns, in the order read() takes them.
    static const char* const kColumns;
    static AuditRow read(const Statement& s);

    // The entry as the protocol gives it: the columns, with the detail's
    // members beside them and without the hash.
    nlohmann::json to_json() const;

    // SHA-256 of the previous entry's hash and of every column but the hash,
    // each written as its length, ":" and its bytes (so that no two
    // different entries read the same).
    std::string chain_hash(const std::string& previous) const;
};

}  // namespace qv::server
