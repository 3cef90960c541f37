#include "server/AuditTrail.hpp"

#include <algorithm>
#include <chrono>

#include "protocol/Dn.hpp"

namespace qv::server {

using nlohmann::json;

void AuditTrail::record(const Actor& who, const std::string& operation, const Change& change)
{
    if (change.before.is_null() && change.after.is_null())
        return;
    AuditRow row;
    row.user = who.user;
    row.program = who.program;
    row.address = who.address;
    row.operation = operation;
    (change.kind == Change::Kind::Account ? row.account : row.dn) = change.dn;
    row.detail = json{{"before", change.before}, {"after", change.after}}.dump();
    append(std::move(row));
}

void AuditTrail::record_load(const Actor& who, const json& counts, const std::string& file)
{
    AuditRow row;
    row.user = who.user;
    row.program = who.program;
    row.address = who.address;
    row.operation = "load";
    json detail{{"counts", counts}};
    if (!file.empty())
        detail["file"] = file;
    row.detail = detail.dump();
    append(std::move(row));
}

void AuditTrail::append(AuditRow row)
{
    // The chain's end is read afresh each time: a load writes to it from a
    // connection of its own.
    std::string previous;
    std::int64_t latest = 0;
    {
        StatementUse last(db_.prepare("SELECT id, hash, latest_ms FROM audit ORDER BY id DESC LIMIT 1"));
        if (last->step()) {
            previous = last->text(1);
            latest = last->integer(2);
        } else {
            previous = anchor(db_).hash;
        }
    }
    {
        // AUTOINCREMENT's high-water mark: an id removed from the end by hand
        // is not handed out again, so verify sees the gap.
        StatementUse seq(db_.prepare("SELECT seq FROM sqlite_sequence WHERE name = 'audit'"));
        row.id = (seq->step() ? seq->integer(0) : 0) + 1;
    }
    row.time_ms = now_ms();
    row.latest_ms = std::max(latest, row.time_ms);
    row.hash = row.chain_hash(previous);
    StatementUse insert(db_.prepare("INSERT INTO audit(" + std::string(AuditRow::kColumns) +
                                    ") VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)"));
    insert->bind(1, row.id).bind(2, row.time_ms).bind(3, row.latest_ms).bind(4, row.user).bind(5, row.program);
    insert->bind(6, row.address).bind(7, row.operation).bind(8, row.dn).bind(9, row.account);
    insert->bind(10, row.detail).bind(11, row.hash);
    insert->run();
    for (const auto& scope : scopes(row.dn)) {
        StatementUse s(db_.prepare("INSERT INTO audit_scopes(scope, entry) VALUES(?1, ?2)"));
        s->bind(1, scope).bind(2, row.id);
        s->run();
    }
}

std::size_t AuditTrail::drop_older(std::int64_t cutoff_ms, std::size_t max)
{
    std::vector<std::pair<std::int64_t, std::string>> doomed;  // id, dn
    std::string last_hash;
    {
        StatementUse oldest(db_.prepare("SELECT id, time_ms, dn, hash FROM audit ORDER BY id LIMIT ?1"));
        oldest->bind(1, static_cast<std::int64_t>(max));
        while (oldest->step() && oldest->integer(1) < cutoff_ms) {
            doomed.emplace_back(oldest->integer(0), oldest->text(2));
            last_hash = oldest->text(3);
        }
    }
    if (doomed.empty())
        return 0;
    for (const auto& [id, dn] : doomed) {
        for (const auto& scope : scopes(dn)) {
            StatementUse s(db_.prepare("DELETE FROM audit_scopes WHERE scope = ?1 AND entry = ?2"));
            s->bind(1, scope).bind(2, id);
            s->run();
        }
    }
    {
        StatementUse remove(db_.prepare("DELETE FROM audit WHERE id <= ?1"));
        remove->bind(1, doomed.back().first);
        remove->run();
    }
    StatementUse keep(db_.prepare("INSERT INTO audit_anchor(one, id, hash) VALUES(1, ?1, ?2) "
                                  "ON CONFLICT(one) DO UPDATE SET id = excluded.id, hash = excluded.hash"));
    keep->bind(1, doomed.back().first).bind(2, last_hash);
    keep->run();
    return doomed.size();
}

AuditAnchor AuditTrail::anchor(Database& db)
{
    StatementUse s(db.prepare("SELECT id, hash FROM audit_anchor"));
    if (!s->step())
        return {};
    return {s->integer(0), s->text(1)};
}

std::vector<std::string> AuditTrail::scopes(const std::string& dn)
{
    std::vector<std::string> out;
    auto parsed = qv::dn::parse(dn);
    if (!parsed)
        return out;
    for (qv::dn::Dn d = *parsed; !d.rdns.empty(); d = qv::dn::parent(d))
        out.push_back(qv::dn::format(d));
    return out;
}

std::int64_t AuditTrail::now_ms()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace qv::server
