#include "Fairness.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "BenchDocument.hpp"
#include "ServerFigures.hpp"
#include "platform/Platform.hpp"
#include "platform/QvTopoNodeDn.hpp"
#include "server/RawClient.hpp"

namespace {

using Clock = std::chrono::steady_clock;
using nlohmann::json;
using qv::test::RawClient;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::unique_ptr<RawClient> greeted(int port)
{
    auto c = std::make_unique<RawClient>(port);
    c->hello("qv_bench");
    return c;
}

std::vector<double> ping_times(RawClient& probe, int n)
{
    std::vector<double> ms;
    for (int i = 0; i < n; ++i) {
        const auto start = Clock::now();
        probe.request("ping");
        ms.push_back(ms_since(start));
    }
    return ms;
}

void print_pings(const char* when, const std::vector<double>& ms)
{
    print_figure(std::string("ping ") + when + ": worst", format("%.2f ms", percentile(ms, 100)),
                 "p99 " + format("%.2f ms", percentile(ms, 99)) + ", median " + format("%.3f ms", percentile(ms, 50)));
}

}  // namespace

void fairness_figures(const qv::test::TestServer& server)
{
    const int port = server.port();
    auto probe = greeted(port);
    constexpr int kPings = 2000;
    print_pings("alone", ping_times(*probe, kPings));

    std::vector<std::unique_ptr<RawClient>> idle;
    for (int i = 0; i < 200; ++i)
        idle.push_back(greeted(port));
    const std::string big = "/systemId=name:\"" + server.system_name() + "\"/logId=\"bench-big\"";
    probe->request("create", {{"dn", big}, {"class", "log"}, {"attrs", {{"blob", std::string(256 << 10, 'b')}}}});
    std::vector<std::unique_ptr<RawClient>> sluggards;
    for (int i = 0; i < 4; ++i) {
        sluggards.push_back(greeted(port));
        std::string burst;
        for (int id = 1; id <= 1000; ++id)
            burst += qv::proto::encode_frame(json{{"id", id}, {"op", "get"}, {"dn", big}});
        sluggards.back()->send_bytes(burst);
    }
    std::atomic<bool> done{false};
    std::atomic<long> derived{0};
    std::thread piper([&] {
        auto c = greeted(port);
        std::string burst;
        for (int id = 1; id <= 2000; ++id)
            burst += qv::proto::encode_frame(json{{"id", id},
                                                  {"op", "derive"},
                                                  {"derivation", std::string(BenchDocument::kSmallScopeRdn) + "/*"},
                                                  {"album", id}});
        while (!done) {
            c->send_bytes(burst);
            for (int id = 1; id <= 2000 && c->receive(); ++id)
                ++derived;
        }
    });
    const auto ms = ping_times(*probe, kPings);
    done = true;
    piper.join();
    print_pings("beside a pipeliner, 4 non-readers, 200 idle", ms);
    print_figure("  derives answered meanwhile", std::to_string(derived.load()), "(in bursts of 2,000 in one write)");
}

void throughput_figures(const qv::test::TestServer& server, int nodes)
{
    constexpr int kClients = 20;
    // Requests per second of 20 clients for a while, and their times.
    auto rate = [&](const char* op, std::vector<double>& all) {
        std::atomic<long> requests{0};
        std::atomic<bool> stop{false};
        std::vector<std::thread> clients;
        std::vector<std::vector<double>> times(kClients);
        for (int c = 0; c < kClients; ++c)
            clients.emplace_back([&, c] {
                Platform p;
                p.set_port(server.port());
                if (!p.connect("localhost", "qv_bench", 60.0))
                    return;
                for (long i = 0; !stop; ++i) {
                    const long id = 101 + (c * 7919L + i * 104729L) % (nodes - 101);
                    json params = json::object();
                    if (op[0] == 'g')
                        params["dn"] = QvTopoNodeDn(server.system_name(), id).to_string();
                    json r;
                    const auto start = Clock::now();
                    if (p.request(op, params, r)) {
                        ++requests;
                        times[c].push_back(ms_since(start));
                    }
                }
            });
        const auto start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        stop = true;
        for (auto& t : clients)
            t.join();
        for (auto& t : times)
            all.insert(all.end(), t.begin(), t.end());
        return requests / (ms_since(start) / 1000.0);
    };
    // The machine's other work swings a rate by tens of percent from one
    // second to the next: ping and get take turns, three rounds, and each
    // get rate is set beside the ping rate just before it.
    std::vector<double> pings, gets, ratios, ping_times, get_times;
    for (int round = 0; round < 3; ++round) {
        pings.push_back(rate("ping", ping_times));
        gets.push_back(rate("get", get_times));
        ratios.push_back(gets.back() / pings.back());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    print_figure("\"ping\" of 20 clients", format("%.0f /s", median(pings)),
                 "median of 3 rounds of 2 s; p99 " + format("%.2f ms", percentile(ping_times, 99)));
    print_figure("\"get\" of 20 clients", format("%.0f /s", median(gets)),
                 "median of 3 rounds of 2 s; p99 " + format("%.2f ms", percentile(get_times, 99)));
    print_figure("  \"get\" / \"ping\"", format("%.2f", median(ratios)),
                 "median of " + format("%.2f", ratios[0]) + ", " + format("%.2f", ratios[1]) + ", " +
                     format("%.2f", ratios[2]) + " (alternating rounds; the clients share the cores)");
}
