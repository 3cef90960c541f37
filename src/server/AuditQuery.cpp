#include "server/AuditQuery.hpp"

#include <limits>

namespace qv::server {
namespace {

bool matches(const AuditFilter& f, const AuditRow& row)
{
    return (f.user.empty() || row.user == f.user) && (f.operation.empty() || row.operation == f.operation) &&
           (!f.since || row.time_ms >= *f.since) && (!f.until || row.time_ms < *f.until);
}

}  // namespace

AuditPage AuditQuery::page(const AuditFilter& filter, std::int64_t before, std::size_t limit)
{
    // The walk follows the narrowest index the filter allows; the other
    // conditions are checked entry by entry.
    const std::string columns = AuditRow::kColumns;
    std::string sql = "SELECT " + columns + " FROM audit WHERE id < ?2 ORDER BY id DESC";
    std::string key;
    if (!filter.dn.empty()) {
        sql = "SELECT " + columns + " FROM audit_scopes JOIN audit ON id = entry "
              "WHERE scope = ?1 AND entry < ?2 ORDER BY entry DESC";
        key = filter.dn;
    } else if (!filter.user.empty()) {
        sql = "SELECT " + columns + " FROM audit WHERE username = ?1 AND id < ?2 ORDER BY id DESC";
        key = filter.user;
    }
    StatementUse walk(db_.prepare(sql));
    if (!key.empty())
        walk->bind(1, key);
    walk->bind(2, before > 0 ? before : std::numeric_limits<std::int64_t>::max());
    AuditPage page;
    std::size_t read = 0;
    while (walk->step()) {
        AuditRow row = AuditRow::read(*walk);
        // Nothing further down was recorded at or after since.
        if (filter.since && row.latest_ms < *filter.since)
            return page;
        const std::int64_t id = row.id;
        if (matches(filter, row))
            page.entries.push_back(std::move(row));
        if (page.entries.size() == limit || ++read == kMaxRead) {
            page.next = id;
            return page;
        }
    }
    return page;
}

}  // namespace qv::server
