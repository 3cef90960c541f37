// qv_startup_bench: the tool's start-up against a bare Motif window on the
// same Xvfb display (make bench). Each round starts the bare window and the
// tool in turn, waits for the window to be mapped, closes it as a window
// manager would and takes the child's CPU time and peak memory from the
// kernel; the tool handles the close only from its event loop, that is once
// its object is shown. Requests are counted on the wire by a relay in front
// of the real server. It prints figures beside the budget; nothing fails.
//
//   qv_startup_bench [--rounds N] [--no-types] [--tool PATH]
//   qv_startup_bench --against PORT --id NODE [--rounds N]
// --tool measures another build of the tool (e.g. an older one, or a script
// that runs it under valgrind); --no-types leaves out the many-types figures.
// --against times the tool's start-up on node NODE of the server on PORT (a
// large database, qv_bench --million) beside its start-up on the demo.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "BenchDisplay.hpp"
#include "ManyTypes.hpp"
#include "StartupRun.hpp"
#include "support/CountingProxy.hpp"
#include "support/TestServer.hpp"

namespace {

constexpr const char* kObject = "12";                       // router-lon-1, as tools/demo.sh opens
const std::vector<std::string> kFurtherObjects = {"20", "33"};  // a switch and a router
const int kTypeCounts[] = {51, 2500, 10000};
// The bare window in the user's locale and the tool's fonts (its
// app-defaults): what a Motif window costs that reads and shows UTF-8 text.
const std::vector<std::string> kUtf8Window = {
    "--locale", "-xrm", "*renderTable: body",      "-xrm", "*body.fontType: FONT_IS_XFT",
    "-xrm", "*body.fontName: DejaVu Sans", "-xrm", "*body.fontSize: 10",
    "-xrm", "*XmTextField.renderTable: mono", "-xrm", "*mono.fontType: FONT_IS_XFT",
    "-xrm", "*mono.fontName: DejaVu Sans Mono", "-xrm", "*mono.fontSize: 10"};
constexpr int kTypeRounds = 5;

struct Options {
    int rounds = 11;
    bool types = true;
    std::string tool;
    int against_port = 0;
    std::string against_id;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

StartupFigures must(StartupFigures figures)
{
    if (!figures.ok)
        throw std::runtime_error(figures.error);
    return figures;
}

// The same locale for every run, whatever make bench runs in: a UTF-8 one,
// as users have (the input method's tables depend on it).
std::map<std::string, std::string> tool_env(int port)
{
    const std::string home = QV_HOME_BUILD_DIR;
    return {{"LANG", "C.UTF-8"},
            {"LC_ALL", ""},
            {"LC_CTYPE", ""},
            {"QV_HOME", home},
            {"NLSPATH", home + "/nls/%L/%N:" + home + "/nls/C/%N"},
            {"XFILESEARCHPATH", home + "/app-defaults/%N"},
            {"QV_SERVER", "localhost"},
            {"QV_PORT", std::to_string(port)}};
}

std::vector<std::string> id_args(std::size_t objects)
{
    std::vector<std::string> args{"-id", kObject};
    for (std::size_t i = 1; i < objects; ++i)
        args.push_back(kFurtherObjects[i - 1]);
    return args;
}

std::string ops_line(const std::map<std::string, int>& counts)
{
    std::string line;
    for (const auto& [op, n] : counts)
        line += (line.empty() ? "" : ", ") + op + " " + std::to_string(n);
    return line;
}

void print_ratio(const char* what, double tool, double bare, const char* unit, double budget)
{
    const double ratio = bare > 0 ? tool / bare : 0;
    std::printf("%-30s tool %8.1f %s   bare %7.1f %s   ratio %5.2f  (budget %.1f)%s\n", what, tool, unit, bare,
                unit, ratio, budget, ratio <= budget ? "" : "  OVER");
}

void print_count(const char* what, double count, double budget)
{
    std::printf("%-30s %5.1f  (budget %.0f)%s\n", what, count, budget, count <= budget ? "" : "  OVER");
}

// CPU and memory against the bare window, and the requests of one, two and
// three objects, on the demo topology.
void demo_figures(BenchDisplay& display, const Options& options, const nlohmann::json& demo)
{
    qv::test::ServerOptions server_options;
    server_options.load_text = demo.dump();
    qv::test::TestServer server(server_options);
    qv::test::CountingProxy proxy(server.port());
    StartupRun runs(display, tool_env(proxy.port()));
    const std::string bare = qv::test::bin_dir() + "/qv_bare_window";

    std::vector<double> tool_cpu, bare_cpu, tool_peak, bare_peak, fonts_cpu, fonts_peak;
    std::map<std::string, int> one_object;
    for (int round = 0; round < options.rounds; ++round) {
        const StartupFigures b = must(runs.run(bare, {}));
        bare_cpu.push_back(b.cpu_ms);
        bare_peak.push_back(b.peak_mb);
        const StartupFigures f = must(runs.run(bare, kUtf8Window));
        fonts_cpu.push_back(f.cpu_ms);
        fonts_peak.push_back(f.peak_mb);
        proxy.reset();
        const StartupFigures t = must(runs.run(options.tool, id_args(1)));
        if (t.title != "Zentra - Object Properties")
            throw std::runtime_error("the tool's first window is \"" + t.title + "\", not its main window");
        tool_cpu.push_back(t.cpu_ms);
        tool_peak.push_back(t.peak_mb);
        one_object = proxy.requests_by_op();
    }
    std::vector<std::size_t> requests;
    for (std::size_t objects = 1; objects <= 1 + kFurtherObjects.size(); ++objects) {
        proxy.reset();
        must(runs.run(options.tool, id_args(objects)));
        requests.push_back(proxy.requests().size());
    }

    std::printf("qv_tolvar -id %s on the demo topology, %d alternating rounds, medians\n", kObject, options.rounds);
    print_ratio("start-up CPU (user+sys)", median(tool_cpu), median(bare_cpu), "ms", 3.0);
    print_ratio("peak memory (max RSS)", median(tool_peak), median(bare_peak), "MB", 1.6);
    std::printf("against the bare window in the user's locale and the tool's fonts (UTF-8 text), for comparison:\n");
    print_ratio("  start-up CPU (user+sys)", median(tool_cpu), median(fonts_cpu), "ms", 3.0);
    print_ratio("  peak memory (max RSS)", median(tool_peak), median(fonts_peak), "MB", 1.6);
    print_count("requests, one object", static_cast<double>(requests[0]), 8);
    std::printf("%-30s %s\n", "", ops_line(one_object).c_str());
    double further = 0;
    for (std::size_t i = 1; i < requests.size(); ++i)
        further = std::max(further, static_cast<double>(requests[i]) - static_cast<double>(requests[i - 1]));
    print_count("requests, each further object", further, 3);
}

// Start-up CPU with many types: the demo topology with types added.
void type_figures(BenchDisplay& display, const Options& options, const nlohmann::json& demo)
{
    std::vector<double> cpu;
    for (int count : kTypeCounts) {
        qv::test::ServerOptions server_options;
        server_options.load_text = ManyTypes::generate(demo, count).dump();
        qv::test::TestServer server(server_options);
        StartupRun runs(display, tool_env(server.port()));
        std::vector<double> round_cpu;
        for (int round = 0; round < kTypeRounds; ++round)
            round_cpu.push_back(must(runs.run(options.tool, id_args(1))).cpu_ms);
        cpu.push_back(median(round_cpu));
        std::printf("%-30s %8.1f ms  (%d types, median of %d)\n", count == kTypeCounts[0] ? "start-up CPU by types" : "",
                    cpu.back(), count, kTypeRounds);
    }
    const double ratio = cpu.front() > 0 ? cpu.back() / cpu.front() : 0;
    std::printf("%-30s %5.2f  (budget 3.0)%s\n", "10,000 types against 51", ratio, ratio <= 3.0 ? "" : "  OVER");
}

// The tool's start-up on a node of another server's database beside the same
// on the demo topology, in alternating rounds: the time to a ready window
// (until it ended after the close) and its CPU.
void against_figures(BenchDisplay& display, const Options& options, const nlohmann::json& demo)
{
    qv::test::ServerOptions server_options;
    server_options.load_text = demo.dump();
    qv::test::TestServer server(server_options);
    // Through relays, as the demo figures are taken.
    qv::test::CountingProxy demo_proxy(server.port()), other_proxy(options.against_port);
    StartupRun on_demo(display, tool_env(demo_proxy.port()));
    StartupRun on_other(display, tool_env(other_proxy.port()));
    std::vector<double> demo_wall, demo_cpu, other_wall, other_cpu;
    // The bare window runs before each start-up of the tool, as in the other
    // figures.
    const std::string bare = qv::test::bin_dir() + "/qv_bare_window";
    for (int round = 0; round < options.rounds; ++round) {
        must(on_demo.run(bare, {}));
        const StartupFigures d = must(on_demo.run(options.tool, {"-id", kObject}));
        demo_wall.push_back(d.wall_ms);
        demo_cpu.push_back(d.cpu_ms);
        must(on_demo.run(bare, {}));
        const StartupFigures o = must(on_other.run(options.tool, {"-id", options.against_id}));
        other_wall.push_back(o.wall_ms);
        other_cpu.push_back(o.cpu_ms);
    }
    std::printf("qv_tolvar -id %s on the server of port %d beside -id %s on the demo, %d alternating rounds, "
                "medians\n",
                options.against_id.c_str(), options.against_port, kObject, options.rounds);
    auto line = [](const char* what, double other, double on_demo) {
        std::printf("%-30s %8.1f ms   on the demo %7.1f ms   ratio %5.2f\n", what, other, on_demo,
                    on_demo > 0 ? other / on_demo : 0);
    };
    line("time to a ready window", median(other_wall), median(demo_wall));
    line("start-up CPU (user+sys)", median(other_cpu), median(demo_cpu));
}

Options parse(int argc, char** argv)
{
    Options options;
    options.tool = qv::test::bin_dir() + "/qv_tolvar";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            options.rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--no-types")
            options.types = false;
        else if (arg == "--tool" && i + 1 < argc)
            options.tool = argv[++i];
        else if (arg == "--against" && i + 1 < argc)
            options.against_port = std::atoi(argv[++i]);
        else if (arg == "--id" && i + 1 < argc)
            options.against_id = argv[++i];
        else
            throw std::runtime_error("usage: qv_startup_bench [--rounds N] [--no-types] [--tool PATH] "
                                     "[--against PORT --id NODE]");
    }
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as it is measured
    try {
        const Options options = parse(argc, argv);
        std::ifstream in(qv::test::source_dir() + "/data/demo/topology.json");
        const nlohmann::json demo = nlohmann::json::parse(in);
        BenchDisplay display;
        std::printf("qv_startup_bench: %s against qv_bare_window on Xvfb %s\n", options.tool.c_str(),
                    display.name().c_str());
        if (options.against_port > 0) {
            against_figures(display, options, demo);
            return 0;
        }
        demo_figures(display, options, demo);
        if (options.types)
            type_figures(display, options, demo);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "qv_startup_bench: " << e.what() << '\n';
        return 1;
    }
}
