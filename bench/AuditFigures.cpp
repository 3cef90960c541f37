#include "AuditFigures.hpp"

#include <chrono>
#include <functional>
#include <stdexcept>

#include "BenchDocument.hpp"
#include "ServerFigures.hpp"
#include "platform/Platform.hpp"
#include "platform/QvTopoNodeDn.hpp"
#include "server/AuditTrail.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using nlohmann::json;

// The nodes the entries and the requests go to, spread over the topology.
int node_number(int i, int nodes) { return 101 + static_cast<int>((i * 7919L) % (nodes - 101)); }

void record(const std::string& db_path, const std::string& system, int nodes, int entries)
{
    using namespace qv::server;
    Database db(db_path);
    AuditTrail trail(db);
    constexpr int kPerTransaction = 10000;
    const auto start = Clock::now();
    for (int first = 0; first < entries; first += kPerTransaction) {
        Transaction t(db);
        for (int i = first; i < std::min(entries, first + kPerTransaction); ++i) {
            const std::string name = BenchDocument::host_name(node_number(i, nodes));
            const Change change{Change::Kind::AttributesChanged, QvTopoNodeDn(system, node_number(i, nodes)).to_string(),
                                "topoNode", "", {"name"}, json{{"name", name}}, json{{"name", name + "-x"}}};
            trail.record(Actor{"bench" + std::to_string(i % 10), "qv_bench", "127.0.0.1"}, "set", change);
        }
        t.commit();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    print_figure("record audit entries", format("%.1f us", seconds * 1e6 / entries),
                 "per entry, " + std::to_string(entries) + " in transactions of " + std::to_string(kPerTransaction));
}

// The mean time of n calls, printed; in ms.
double measure(const std::string& what, int n, const std::function<bool(int)>& fn)
{
    int failures = 0;
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i)
        failures += fn(i) ? 0 : 1;
    const double mean_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / n;
    print_figure(what, format("%.3f ms", mean_ms),
                 "mean of " + std::to_string(n) + (failures ? ", " + std::to_string(failures) + " FAILED" : ""));
    return mean_ms;
}

}  // namespace

void audit_figures(qv::test::TestServer& server, int nodes, int entries)
{
    server.stop();
    record(server.db_path(), server.system_name(), nodes, entries);
    server.restart();
    Platform client;
    client.set_port(server.port());
    if (!client.connect("localhost", "qv_bench", 60.0))
        throw std::runtime_error("cannot connect: " + client.get_error_string().str());
    json r;
    auto ask = [&](const std::string& op, json params, std::size_t* count = nullptr) {
        const bool ok = bool(client.request(op, std::move(params), r, 3600.0));
        if (count)
            *count = r.value("entries", json::array()).size();
        return ok;
    };
    auto node = [&](int i) { return QvTopoNodeDn(server.system_name(), node_number(i * 13, nodes)).to_string(); };
    const double get_ms = measure("get one node (beside the audit queries)", 2000,
                                  [&](int i) { return ask("get", {{"dn", node(i)}}); });
    std::size_t found = 0;
    const double query_ms = measure("audit.query one node's entries", 2000, [&](int i) {
        std::size_t n = 0;
        const bool ok = ask("audit.query", {{"dn", node(i)}}, &n);
        found += n;
        return ok && n > 0;
    });
    print_figure("  one node's entries / get", format("%.2f x", query_ms / get_ms),
                 format("%.1f entries a node, ", static_cast<double>(found) / 2000) + std::to_string(entries) +
                     " in the trail");
    const std::string system = "/systemId=name:\"" + server.system_name() + "\"";
    measure("audit.query newest 100 below the system", 200,
            [&](int) { return ask("audit.query", {{"dn", system}, {"limit", 100}}); });
    measure("audit.query newest 100 of one user", 200,
            [&](int i) { return ask("audit.query", {{"user", "bench" + std::to_string(i % 10)}, {"limit", 100}}); });
    measure("audit.stats", 1, [&](int) { return ask("audit.stats", json::object()); });
    const double bytes = r.value("bytes", 0.0);
    print_figure("  the trail in the database", format("%.0f B", bytes / entries),
                 format("an entry, %.0f MB in all", bytes / 1e6));
    measure("audit.verify of the whole trail", 1, [&](int) { return ask("audit.verify", json::object()); });
}
