#include "LoadFigures.hpp"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <cstdio>
#include <vector>

#include <sqlite3.h>

#include "BenchDocument.hpp"
#include "ServerFigures.hpp"
#include "server/Database.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double thread_cpu_seconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long file_size(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : 0;
}

// Every row of the three tables a load fills, as the server stored them.
struct Rows {
    std::vector<std::vector<std::string>> objects, nodes, refs;
};

Rows read_rows(const std::string& db_path)
{
    Rows rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(db_path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    auto read = [&](const char* sql, int columns, std::vector<std::vector<std::string>>& out) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < columns; ++c)
                row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, c)));
            out.push_back(std::move(row));
        }
        sqlite3_finalize(s);
    };
    read("SELECT dn, parent, class, attrs FROM objects WHERE class IN ('topoNode', 'benchScope', 'benchItem') "
         "ORDER BY rowid",
         4, rows.objects);
    read("SELECT dn, system, number, name, type FROM topo_nodes", 5, rows.nodes);
    read("SELECT source, attr, position, target FROM topo_refs ORDER BY rowid", 4, rows.refs);
    sqlite3_close(db);
    return rows;
}

// The CPU seconds of inserting the rows once, in one transaction, into a
// database of the server's schema.
double insert_once(const Rows& rows, const std::string& path)
{
    qv::server::Database db(path);
    const double start = thread_cpu_seconds();
    qv::server::Transaction t(db);
    auto insert = [&](const char* sql, const std::vector<std::vector<std::string>>& table) {
        auto& s = db.prepare(sql);
        for (const auto& row : table) {
            for (std::size_t c = 0; c < row.size(); ++c)
                s.bind(static_cast<int>(c) + 1, row[c]);
            s.run();
            s.reset();
        }
    };
    insert("INSERT INTO objects(dn, parent, class, attrs) VALUES(?1, ?2, ?3, ?4)", rows.objects);
    insert("INSERT INTO topo_nodes(dn, system, number, name, type) VALUES(?1, ?2, ?3, ?4, ?5)", rows.nodes);
    insert("INSERT INTO topo_refs(source, attr, position, target) VALUES(?1, ?2, ?3, ?4)", rows.refs);
    t.commit();
    return thread_cpu_seconds() - start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string listed(const std::vector<double>& values)
{
    std::string out;
    for (const double v : values)
        out += (out.empty() ? "" : ", ") + format("%.2f", v);
    return out;
}

struct LoadRun {
    bool ok = false;
    std::string error;
    double seconds = 0, cpu = 0;
    long peak_anon_kib = 0;  // the server's own memory at most during the load
    ProcessFigures before, after;
};

LoadRun load_into(const qv::test::TestServer& server, const std::string& path)
{
    LoadRun load;
    load.before = read_process(server.pid());
    qv::test::RunOptions run;
    run.env = server.client_env();
    run.timeout_seconds = 7200;
    // The server's own memory (not the database file it maps), sampled.
    std::atomic<bool> loading{true};
    std::atomic<long> peak_anon{load.before.anon_kib};
    std::thread sampler([&] {
        while (loading) {
            peak_anon = std::max(peak_anon.load(), read_process(server.pid()).anon_kib);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    const auto start = Clock::now();
    const auto loaded = qv::test::run_binary("qv_admin", {"load", path}, run);
    load.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    loading = false;
    sampler.join();
    load.after = read_process(server.pid());
    load.ok = loaded.exit_status == 0;
    load.error = loaded.err;
    load.cpu = load.after.cpu_seconds - load.before.cpu_seconds;
    load.peak_anon_kib = peak_anon;
    return load;
}

}  // namespace

void load_figures(const qv::test::TestServer& server, int total_objects)
{
    const std::string path = server.dir() + "/bench-topology.json";
    auto start = Clock::now();
    const std::size_t bytes = BenchDocument::write(path, total_objects);
    print_figure("generate the document", format("%.1f s", std::chrono::duration<double>(Clock::now() - start).count()),
                 format("%.0f objects, ", total_objects) + format("%.1f MB", static_cast<double>(bytes) / 1e6));

    const LoadRun load = load_into(server, path);
    if (!load.ok) {
        print_figure("load FAILED", "", load.error);
        return;
    }
    // The CPU figures of one run swing with the machine's other work: the
    // load is repeated on fresh servers (not at a million objects, where one
    // takes minutes) and the baseline likewise, and the medians compared.
    std::vector<double> cpus{load.cpu};
    for (int extra = 0; extra < (total_objects <= 100000 ? 2 : 0); ++extra) {
        const qv::test::TestServer fresh;
        const LoadRun again = load_into(fresh, path);
        if (again.ok)
            cpus.push_back(again.cpu);
    }
    const double cpu = median(cpus);
    print_figure("load it with qv_admin", format("%.1f s", load.seconds),
                 "server CPU " + format("%.1f s", cpu) +
                     (cpus.size() > 1 ? " (median of " + listed(cpus) + ")" : std::string()));
    const ProcessFigures& before = load.before;
    const ProcessFigures& after = load.after;
    const long peak_anon = load.peak_anon_kib;
    auto mb = [](long kib) { return static_cast<double>(kib) * 1.024 / 1000.0; };
    const double peak_mb = mb(peak_anon - before.anon_kib);
    print_figure("  server memory: peak growth", format("%.0f MB", peak_mb),
                 format("%.2f x the document; ", peak_mb * 1e6 / static_cast<double>(bytes)) +
                     format("%.0f MB after, ", mb(after.anon_kib)) +
                     format("%.0f MB resident at most with the mapped database", mb(after.peak_kib)));
    const double db_mb = static_cast<double>(file_size(server.db_path())) / 1e6;
    const double wal_mb = static_cast<double>(file_size(server.db_path() + "-wal")) / 1e6;
    print_figure("  database", format("%.0f MB", db_mb), "write-ahead log " + format("%.1f MB", wal_mb));

    const Rows rows = read_rows(server.db_path());
    std::vector<double> inserts;
    for (int run = 0; run < 3; ++run)
        inserts.push_back(insert_once(rows, server.dir() + "/baseline-" + std::to_string(run) + ".db"));
    const double baseline = median(inserts);
    print_figure("  the same rows inserted once with SQLite", format("%.1f s CPU", baseline),
                 "median of " + listed(inserts) + "; load / insert: " + format("%.2f", cpu / baseline));
}
