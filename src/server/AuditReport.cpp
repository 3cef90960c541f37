#include "server/AuditReport.hpp"

#include "server/AuditRow.hpp"
#include "server/AuditTrail.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

// A read transaction: one snapshot for every statement inside it.
class Snapshot {
public:
    explicit Snapshot(Database& db) : db_(db) { db_.exec("BEGIN"); }
    ~Snapshot()
    {
        try {
            db_.exec("COMMIT");
        } catch (const std::exception&) {
            // Nothing was written; the connection closes right after.
        }
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

private:
    Database& db_;
};

std::string missing(std::int64_t from, std::int64_t to)
{
    return from == to ? "entry " + std::to_string(from) + " was removed"
                      : "entries " + std::to_string(from) + " to " + std::to_string(to) + " were removed";
}

std::int64_t highest_id(Database& db)
{
    StatementUse seq(db.prepare("SELECT seq FROM sqlite_sequence WHERE name = 'audit'"));
    return seq->step() ? seq->integer(0) : 0;
}

}  // namespace

json AuditReport::stats()
{
    Snapshot snapshot(db_);
    json out = json::object();
    {
        StatementUse count(db_.prepare("SELECT count(*) FROM audit"));
        count->step();
        out["entries"] = count->integer(0);
    }
    for (const char* end : {"oldest", "newest"}) {
        StatementUse s(db_.prepare(std::string("SELECT time_ms, hash FROM audit ORDER BY id ") +
                                   (end == std::string("oldest") ? "ASC" : "DESC") + " LIMIT 1"));
        if (s->step()) {
            out[end] = s->integer(0);
            if (end == std::string("newest"))
                out["last_hash"] = s->text(1);
        }
    }
    StatementUse size(db_.prepare("SELECT coalesce(sum(pgsize), 0) FROM dbstat WHERE name IN "
                                  "('audit', 'audit_by_user', 'audit_scopes', 'audit_anchor')"));
    size->step();
    out["bytes"] = size->integer(0);
    return out;
}

json AuditReport::verify()
{
    Snapshot snapshot(db_);
    const AuditAnchor anchor = AuditTrail::anchor(db_);
    std::string previous = anchor.hash;
    std::int64_t expected = anchor.id + 1;
    std::int64_t checked = 0, problems = 0;
    json found = json::array();
    auto problem = [&](std::int64_t id, const std::string& text) {
        if (++problems <= static_cast<std::int64_t>(kMaxProblems))
            found.push_back(json{{"id", id}, {"problem", text}});
    };
    StatementUse walk(db_.prepare("SELECT " + std::string(AuditRow::kColumns) + " FROM audit ORDER BY id"));
    while (walk->step()) {
        const AuditRow row = AuditRow::read(*walk);
        ++checked;
        if (row.id != expected)
            problem(expected, missing(expected, row.id - 1));  // the chain is broken there: say it once
        else if (row.chain_hash(previous) != row.hash)
            problem(row.id, "entry " + std::to_string(row.id) + " was changed: it does not match its hash");
        previous = row.hash;
        expected = row.id + 1;
    }
    if (const std::int64_t highest = highest_id(db_); highest >= expected)
        problem(expected, missing(expected, highest));
    return json{{"checked", checked}, {"problems", problems}, {"found", found}};
}

}  // namespace qv::server
