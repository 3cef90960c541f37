// What the benchmark reads of the server process and of a list of timings.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct ProcessFigures {
    double cpu_seconds = 0;  // user and system
    long rss_kib = 0;
    long peak_kib = 0;       // the largest resident size so far
    long anon_kib = 0;       // resident memory of the process's own (not mapped files)
};

ProcessFigures read_process(pid_t pid);

// The p-th percentile (0..100) of the samples, in their unit.
double percentile(std::vector<double> samples, double p);

// Prints one line: what, the figure, and its explanation.
void print_figure(const std::string& what, const std::string& figure, const std::string& note = {});
std::string format(const char* spec, double value);
