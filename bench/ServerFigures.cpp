#include "ServerFigures.hpp"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

ProcessFigures read_process(pid_t pid)
{
    ProcessFigures f;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th of them.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 1; i <= 13 && rest >> field; ++i) {
        if (i == 12)
            utime = std::stol(field);
        if (i == 13)
            stime = std::stol(field);
    }
    f.cpu_seconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            f.rss_kib = std::stol(line.substr(6));
        if (line.rfind("VmHWM:", 0) == 0)
            f.peak_kib = std::stol(line.substr(6));
        if (line.rfind("RssAnon:", 0) == 0)
            f.anon_kib = std::stol(line.substr(8));
    }
    return f;
}

double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto at = static_cast<std::size_t>(p / 100.0 * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(at, samples.size() - 1)];
}

std::string format(const char* spec, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, spec, value);
    return text;
}

void print_figure(const std::string& what, const std::string& figure, const std::string& note)
{
    std::printf("%-44s %14s  %s\n", what.c_str(), figure.c_str(), note.c_str());
    std::fflush(stdout);
}
