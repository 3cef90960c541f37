// qv_bench: figures for the client library and qv_server on a large
// topology. It prints measurements; nothing passes or fails.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <thread>
#include <vector>

#include "BenchDocument.hpp"
#include "platform/Image.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "support/TestServer.hpp"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kObjects = 100000;
constexpr int kClients = 20;

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs fn n times and prints the mean time per run.
void measure(const char* what, int n, const std::function<bool(int)>& fn)
{
    const auto start = Clock::now();
    int failures = 0;
    for (int i = 0; i < n; ++i)
        failures += fn(i) ? 0 : 1;
    const double mean_ms = seconds_since(start) * 1000.0 / n;
    std::printf("%-40s %9.3f ms  (mean of %d%s)\n", what, mean_ms, n,
                failures ? (", " + std::to_string(failures) + " FAILED").c_str() : "");
}

std::unique_ptr<Platform> connect(int port)
{
    auto p = std::make_unique<Platform>();
    p->set_port(port);
    if (!p->connect("localhost", "qv_bench", 60.0))
        throw std::runtime_error("cannot connect: " + p->get_error_string().str());
    return p;
}

void requests_per_second(const qv::test::TestServer& server, int nodes)
{
    std::atomic<long> done{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c)
        clients.emplace_back([&, c] {
            auto p = connect(server.port());
            long mine = 0;
            for (int i = 0; !stop; ++i) {
                const long id = 101 + (c * 7919L + i * 104729L) % (nodes - 101);
                nlohmann::json r;
                if (p->request("get", {{"dn", QvTopoNodeDn(server.system_name(), id).to_string()}}, r))
                    ++mine;
            }
            done += mine;
        });
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(5));
    stop = true;
    for (auto& t : clients)
        t.join();
    std::printf("%-40s %9.0f requests/s  (%d clients, \"get\" of one node)\n", "server throughput",
                done / seconds_since(start), kClients);
}

}  // namespace

int main()
{
    std::printf("qv_bench: %d objects\n", kObjects);
    auto start = Clock::now();
    const nlohmann::json doc = BenchDocument::generate(kObjects);
    const int nodes = static_cast<int>(doc["nodes"].size());
    const std::string text = doc.dump();
    std::printf("%-40s %9.3f s   (%d nodes, %d scope children, %.1f MB)\n", "generate the document",
                seconds_since(start), nodes, BenchDocument::kScopeChildren, text.size() / 1e6);

    qv::test::TestServer server;
    auto admin = connect(server.port());
    start = Clock::now();
    nlohmann::json result;
    const QvStatus loaded = admin->request("admin.load", {{"document", doc}}, result, 3600.0);
    if (!loaded) {
        std::cerr << "qv_bench: loading failed: " << loaded << '\n';
        return 1;
    }
    std::printf("%-40s %9.3f s\n", "load it into the server", seconds_since(start));

    const QvTopoNodeDn probe(server.system_name(), nodes / 2);
    measure("connect and load one node", 100, [&](int) {
        auto p = connect(server.port());
        QvTopoNode node(p.get());
        node.set_dn(probe);
        return bool(node.load_all_attributes());
    });
    QvTopoNode node(admin.get());
    node.set_dn(probe);
    node.load_all_attributes();
    measure("store one node", 500, [&](int i) {
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
    requests_per_second(server, nodes);
    return 0;
}
