// qv_bench: figures for the client library and qv_server, each beside a
// baseline taken in the same run. It prints measurements; nothing passes or
// fails.
//
//   qv_bench             fairness, request rates, a 100,000-object load,
//                        1,000,000 audit entries queried by DN
//   qv_bench --million   a 1,000,000-object load and requests on it
//   qv_bench --smoke     everything once on a small database, for make test
//                        to see that the bench still runs (figures meaningless)
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>

#include "AuditFigures.hpp"
#include "BenchDocument.hpp"
#include "Fairness.hpp"
#include "LoadFigures.hpp"
#include "ServerFigures.hpp"
#include "platform/Image.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "support/TestServer.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// Runs fn n times and prints the mean time per run.
void measure(const char* what, int n, const std::function<bool(int)>& fn)
{
    const auto start = Clock::now();
    int failures = 0;
    for (int i = 0; i < n; ++i)
        failures += fn(i) ? 0 : 1;
    const double mean_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / n;
    print_figure(what, format("%.3f ms", mean_ms),
                 "mean of " + std::to_string(n) + (failures ? ", " + std::to_string(failures) + " FAILED" : ""));
}

std::unique_ptr<Platform> connect(int port)
{
    auto p = std::make_unique<Platform>();
    p->set_port(port);
    if (!p->connect("localhost", "qv_bench", 60.0))
        throw std::runtime_error("cannot connect: " + p->get_error_string().str());
    return p;
}

void request_figures(const qv::test::TestServer& server, int nodes)
{
    auto admin = connect(server.port());
    const QvTopoNodeDn probe(server.system_name(), nodes / 2);
    measure("connect and load one node", 100, [&](int) {
        auto p = connect(server.port());
        QvTopoNode node(p.get());
        node.set_dn(probe);
        return bool(node.load_all_attributes());
    });
    measure("get one node", 2000, [&](int i) {
        nlohmann::json r;
        return bool(admin->request(
            "get", {{"dn", QvTopoNodeDn(server.system_name(), 101 + (i * 7919L) % (nodes - 101)).to_string()}}, r));
    });
    QvTopoNode node(admin.get());
    node.set_dn(probe);
    node.load_all_attributes();
    measure("store one node", 200, [&](int i) {
        node.set_name(BenchDocument::host_name(probe.id()) + (i % 2 ? "-x" : ""));
        return bool(node.store_all_attributes());
    });
    QvTopoPlatform::initialize(*admin, 1);
    measure("find by name", 200, [&](int i) {
        RWTValSlist<QvTopoNodeDn> found;
        const QvStatus st = QvTopoPlatform::instance()->find_nodes_by_name(
            BenchDocument::host_name(101 + (i * 431) % (nodes - 101)), {}, found);
        return st && found.size() == 1;
    });
    measure("derive a scope of 10,000 children", 10, [&](int i) {
        Album album("scope." + std::to_string(i), admin.get());
        album.set_derivation(std::string(BenchDocument::kScopeRdn) + "/*");
        return album.derive(300.0) && album.num_images() == BenchDocument::kScopeChildren;
    });
}

// The tool's start-up on a node of the server's database, beside the same on
// the demo topology (qv_startup_bench, built with the tool).
void startup_figures(const qv::test::TestServer& server, int nodes)
{
    if (access((qv::test::bin_dir() + "/qv_startup_bench").c_str(), X_OK) != 0) {
        print_figure("tool start-up", "not measured", "(qv_startup_bench is built only with the tool)");
        return;
    }
    qv::test::RunOptions run;
    run.timeout_seconds = 1800;
    const auto r = qv::test::run_binary(
        "qv_startup_bench",
        {"--against", std::to_string(server.port()), "--id", std::to_string(nodes / 2), "--rounds", "5"}, run);
    std::fputs(r.out.c_str(), stdout);
    if (r.exit_status != 0)
        print_figure("tool start-up FAILED", "", r.err);
    std::fflush(stdout);
}

// A server holding a generated topology of total_objects: where the tool's
// start-up on a large database is to be measured.
std::unique_ptr<qv::test::TestServer> loaded_server(int total_objects)
{
    qv::test::ServerOptions options;
    options.extra_args = {"--max-connections", "1000", "--max-connections-per-address", "1000"};
    auto server = std::make_unique<qv::test::TestServer>(options);
    load_figures(*server, total_objects);
    return server;
}

}  // namespace

int main(int argc, char** argv)
{
    // SQLite as the server runs it (qv_server's main): the baselines beside
    // its figures must not pay for memory statistics the server does not keep.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    const bool million = argc > 1 && std::strcmp(argv[1], "--million") == 0;
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int objects = million ? 1000000 : smoke ? 20000 : 100000;
    const int nodes = BenchDocument::nodes_for(objects);
    std::printf("qv_bench: %d objects (%d nodes)%s\n", objects, nodes, smoke ? ", a smoke run" : "");
    try {
        auto server = loaded_server(objects);
        request_figures(*server, nodes);
        if (million)
            startup_figures(*server, nodes);
        if (!million) {
            throughput_figures(*server, nodes);
            fairness_figures(*server);
            audit_figures(*server, nodes, smoke ? 10000 : 1000000);
        }
    } catch (const std::exception& e) {
        std::cerr << "qv_bench: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
