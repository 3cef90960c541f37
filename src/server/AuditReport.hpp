// Reports on the whole audit trail, made on a database connection of their
// own from one snapshot: meant for a worker thread, since they read every
// entry (verify) or every page (the size).
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "server/Database.hpp"

namespace qv::server {

class AuditReport {
public:
    // Problems listed by verify at most; the count goes on beyond.
    static constexpr std::size_t kMaxProblems = 100;

    // Opens the database file anew; throws StoreError.
    explicit AuditReport(const std::string& db_path) : db_(db_path) {}

    // {"entries", "oldest", "newest" (times, absent when empty), "bytes",
    //  "last_hash"}
    nlohmann::json stats();
    // Walks the chain from its anchor: {"checked": n, "problems": n,
    // "found": [{"id", "problem"}...]}. A row whose hash does not follow
    // from its content and the one before was changed; a gap in the ids,
    // or an id below the highest ever handed out, was removed.
    nlohmann::json verify();

private:
    Database db_;
};

}  // namespace qv::server
