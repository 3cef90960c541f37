#include "server/AuditOps.hpp"

#include <memory>

#include "protocol/Dn.hpp"
#include "server/AuditReport.hpp"
#include "server/Params.hpp"
#include "server/Rights.hpp"
#include "server/Session.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

void require_reader(Call& call)
{
    rights::require(call.session().rights(), {rights::kAdmin, rights::kReadAudit}, call.op());
}

}  // namespace

void AuditOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("audit.query", [this](Call& call) { return query(call); });
    dispatcher.add_async("audit.stats", [this](const CallPtr& call) { report(call, false); });
    dispatcher.add_async("audit.verify", [this](const CallPtr& call) { report(call, true); });
}

json AuditOps::query(Call& call)
{
    require_reader(call);
    Params p(call.params());
    AuditFilter filter;
    if (p.has("dn")) {
        // Relative names are taken below the local system, as in get; "/" is everything.
        const auto dn = qv::dn::parse(p.dn("dn"));
        filter.dn = qv::dn::format(dn->absolute ? *dn : qv::dn::resolve(*dn, qv::dn::system_dn(local_system_)));
        if (filter.dn == "/")
            filter.dn.clear();
    }
    filter.user = p.text_or("user", {});
    filter.operation = p.text_or("operation", {});
    if (p.has("since"))
        filter.since = p.integer("since");
    if (p.has("until"))
        filter.until = p.integer("until");
    const std::int64_t before = p.has("before") ? p.integer("before") : 0;
    const std::int64_t limit = p.has("limit") ? p.integer("limit") : 100;
    if (limit < 1 || limit > kMaxLimit)
        throw RequestError(ErrorCode::Malformed, "limit: expected 1 to " + std::to_string(kMaxLimit));
    const AuditPage page = query_.page(filter, before, static_cast<std::size_t>(limit));
    json entries = json::array();
    for (const auto& row : page.entries)
        entries.push_back(row.to_json());
    json result{{"entries", std::move(entries)}};
    if (page.next > 0)
        result["next"] = page.next;
    return result;
}

void AuditOps::report(const CallPtr& call, bool verify)
{
    require_reader(*call);
    auto result = std::make_shared<json>();
    offload_.run(
        call,
        [path = db_path_, result, verify] {
            AuditReport report(path);
            *result = verify ? report.verify() : report.stats();
        },
        [result] { return std::move(*result); });
}

}  // namespace qv::server
