#include "AuditCommand.hpp"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "AdminError.hpp"
#include "AuditText.hpp"

namespace audit_command {
namespace {

using nlohmann::json;

const char kSynopsis[] =
    "usage: qv_admin audit [--dn DN] [--user U] [--operation OP] [--since T] [--until T] [--limit N] [--json]\n"
    "       qv_admin audit --stats [--json] | --verify [--json]";

// Reports read the whole trail on the server: give them time.
constexpr double kReportSeconds = 3600;
constexpr std::int64_t kPage = 1000;  // the server's largest page

struct AuditOptions {
    json filter = json::object();
    std::int64_t limit = 100;  // 0: all
    bool json_output = false;
    bool stats = false;
    bool verify = false;
};

std::int64_t time_option(const std::string& option, const std::string& text)
{
    auto ms = audit_text::parse_time(text);
    if (!ms)
        throw AdminError::usage(option + " needs a UTC time such as 2026-12-06 or 2026-12-06T10:00:02.540Z, not \"" +
                                text + "\"");
    return *ms;
}

AuditOptions parse(const AdminContext& ctx, const std::vector<std::string>& args)
{
    AuditOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        const auto eq = name.find('=');
        const bool inline_value = name.rfind("--", 0) == 0 && eq != std::string::npos;
        if (inline_value) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const bool flag = name == "--json" || name == "--stats" || name == "--verify";
        if (!flag && !inline_value) {
            if (i + 1 >= args.size())
                throw AdminError::usage(name.rfind("--", 0) == 0 ? name + " needs a value" : kSynopsis);
            value = args[++i];
        }
        if (name == "--json")
            o.json_output = true;
        else if (name == "--stats")
            o.stats = true;
        else if (name == "--verify")
            o.verify = true;
        else if (name == "--dn")
            o.filter["dn"] = ctx.dn_argument(value);
        else if (name == "--user")
            o.filter["user"] = value;
        else if (name == "--operation")
            o.filter["operation"] = value;
        else if (name == "--since" || name == "--until")
            o.filter[name.substr(2)] = time_option(name, value);
        else if (name == "--limit") {
            char* end = nullptr;
            o.limit = std::strtoll(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || o.limit < 0)
                throw AdminError::usage("--limit needs a number of entries (0: all), not \"" + value + "\"");
        } else {
            throw AdminError::usage("unknown audit option " + args[i] + "\n" + kSynopsis);
        }
    }
    if ((o.stats || o.verify) && (o.stats == o.verify || !o.filter.empty()))
        throw AdminError::usage(kSynopsis);
    return o;
}

AuditEntry read_entry(ReplyReader& entry)
{
    AuditEntry e;
    e.id = entry.integer("id");
    e.time_ms = entry.integer("time");
    e.user = entry.text("user");
    e.program = entry.text("program");
    e.address = entry.text("address");
    e.operation = entry.text("operation");
    e.dn = entry.text_or("dn", "");
    e.account = entry.text_or("account", "");
    e.before = entry.object_or_empty("before");
    e.after = entry.object_or_empty("after");
    e.counts = entry.object_or_empty("counts");
    e.file = entry.text_or("file", "");
    return e;
}

// Times as people and --since read them.
json with_text_times(json value)
{
    for (const char* name : {"time", "oldest", "newest"})
        if (auto it = value.find(name); it != value.end() && it->is_number_integer())
            *it = audit_text::format_time(it->get<std::int64_t>());
    return value;
}

void list(AdminContext& ctx, const AuditOptions& o)
{
    json params = o.filter;
    std::int64_t printed = 0, before = 0;
    bool first = true;
    do {
        params["limit"] = o.limit == 0 ? kPage : std::min(kPage, o.limit - printed);
        if (before > 0)
            params["before"] = before;
        const json r = ctx.call("audit.query", params);
        ReplyReader reply(r, "the audit.query reply");
        const json& entries = reply.array("entries");
        before = reply.integer_or("next", 0, 0);
        std::vector<AuditEntry> read;
        for (const auto& entry : entries) {
            if (!entry.is_object()) {
                reply.fail("an entry of the audit.query reply is no object");
                break;
            }
            ReplyReader fields = reply.item(entry, "an audit entry");
            read.push_back(read_entry(fields));
        }
        ctx.accept(reply);
        for (std::size_t i = 0; i < read.size(); ++i) {
            if (o.json_output) {
                ctx.out() << (first ? "[\n  " : ",\n  ")
                          << with_text_times(entries[i]).dump(-1, ' ', false, json::error_handler_t::replace);
                first = false;
            } else {
                ctx.out() << audit_text::line(read[i]) << '\n';
            }
        }
        printed += static_cast<std::int64_t>(read.size());
    } while (before > 0 && (o.limit == 0 || printed < o.limit));
    if (o.json_output)
        ctx.out() << (first ? "[]\n" : "\n]\n");
}

void stats(AdminContext& ctx, const AuditOptions& o)
{
    const json r = ctx.call("audit.stats", json::object(), kReportSeconds);
    ReplyReader reply(r, "the audit.stats reply");
    const std::int64_t entries = reply.integer("entries", 0);
    const std::int64_t bytes = reply.integer("bytes", 0);
    const std::int64_t oldest = reply.integer_or("oldest", 0);
    const std::int64_t newest = reply.integer_or("newest", 0);
    const std::string last_hash = reply.text_or("last_hash", "");
    ctx.accept(reply);
    if (o.json_output) {
        ctx.print_json(with_text_times(r));
        return;
    }
    ctx.out() << "entries: " << entries << '\n';
    if (entries > 0)
        ctx.out() << "oldest: " << audit_text::format_time(oldest) << "\nnewest: " << audit_text::format_time(newest)
                  << "\nlast hash: " << last_hash << '\n';
    char size[64];
    std::snprintf(size, sizeof size, "%.1f MiB (%lld bytes)", double(bytes) / (1024 * 1024),
                  static_cast<long long>(bytes));
    ctx.out() << "size: " << size << '\n';
}

void verify(AdminContext& ctx, const AuditOptions& o)
{
    const json r = ctx.call("audit.verify", json::object(), kReportSeconds);
    ReplyReader reply(r, "the audit.verify reply");
    const std::int64_t checked = reply.integer("checked", 0);
    const std::int64_t problems = reply.integer("problems", 0);
    std::vector<std::string> found;
    for (const auto& item : reply.array("found")) {
        if (!item.is_object()) {
            reply.fail("a problem of the audit.verify reply is no object");
            break;
        }
        ReplyReader problem = reply.item(item, "a problem of the audit.verify reply");
        found.push_back(problem.text("problem"));
    }
    ctx.accept(reply);
    if (o.json_output)
        ctx.print_json(r);
    else
        for (const auto& text : found)
            ctx.out() << text << '\n';
    if (problems > 0)
        throw AdminError("the audit trail was changed behind the server's back: " + std::to_string(problems) +
                         " problem(s) in " + std::to_string(checked) + " entries");
    if (!o.json_output)
        ctx.out() << "checked " << checked << " entries: the chain is whole\n";
}

}  // namespace

void audit(AdminContext& ctx, const std::vector<std::string>& args)
{
    const AuditOptions o = parse(ctx, args);
    if (o.stats)
        stats(ctx, o);
    else if (o.verify)
        verify(ctx, o);
    else
        list(ctx, o);
}

}  // namespace audit_command
