// One start-up of a program on the benchmark's display: started, its first
// window seen mapped, closed as a window manager closes it, and its CPU time
// and peak memory taken from the kernel's account of the child.
#pragma once

#include <map>
#include <string>
#include <vector>

class BenchDisplay;

struct StartupFigures {
    bool ok = false;
    std::string error;     // why not ok
    std::string title;     // of the first window
    double cpu_ms = 0;     // user + system
    double wall_ms = 0;    // from the start to the end after the close: a ready window
    double peak_mb = 0;    // maximum resident set size
};

class StartupRun {
public:
    StartupRun(BenchDisplay& display, std::map<std::string, std::string> env);

    StartupFigures run(const std::string& program, const std::vector<std::string>& args);

private:
    BenchDisplay& display_;
    std::map<std::string, std::string> env_;
};
