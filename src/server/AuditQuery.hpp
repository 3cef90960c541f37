// Pages of the audit trail, newest first, by DN subtree, user, operation and
// time. Each page reads a bounded number of entries, so that no query holds
// the network thread long whatever its filters: a page may come back short,
// with where to go on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "server/AuditRow.hpp"
#include "server/Database.hpp"

namespace qv::server {

struct AuditFilter {
    std::string dn;  // canonical; the object and everything below it; empty: all
    std::string user;
    std::string operation;
    std::optional<std::int64_t> since;  // time_ms >= since
    std::optional<std::int64_t> until;  // time_ms < until
};

struct AuditPage {
    std::vector<AuditRow> entries;
    // The entries left to read have ids below this; 0 when none are left.
    std::int64_t next = 0;
};

class AuditQuery {
public:
    // Entries read for one page at most, whether they match or not.
    static constexpr std::size_t kMaxRead = 5000;

    explicit AuditQuery(Database& db) : db_(db) {}

    // At most limit entries matching filter, with ids below before (0: from
    // the newest).
    AuditPage page(const AuditFilter& filter, std::int64_t before, std::size_t limit);

private:
    Database& db_;
};

}  // namespace qv::server
