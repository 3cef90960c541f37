#include "StartupRun.hpp"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "BenchDisplay.hpp"

namespace {

constexpr double kWindowSeconds = 120.0;
constexpr double kExitSeconds = 600.0;

double milliseconds(const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; }

// True while the child has not ended; it is left to reap.
bool running(pid_t pid)
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

// Waits for the child to end; false (and the child killed) after the time.
bool reap(pid_t pid, int& status, rusage& usage, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        const pid_t r = ::wait4(pid, &status, WNOHANG, &usage);
        if (r == pid)
            return true;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::wait4(pid, &status, 0, &usage);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace

StartupRun::StartupRun(BenchDisplay& display, std::map<std::string, std::string> env)
    : display_(display), env_(std::move(env))
{
    env_["DISPLAY"] = display.name();
}

StartupFigures StartupRun::run(const std::string& program, const std::vector<std::string>& args)
{
    StartupFigures figures;
    display_.discard_events();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const auto& [name, value] : env_)
            ::setenv(name.c_str(), value.c_str(), 1);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    const Window window = display_.wait_for_mapped_window(kWindowSeconds, [pid] { return running(pid); });
    if (window == None) {
        reap(pid, status, usage, 0);
        figures.error = program + " showed no window";
        return figures;
    }
    figures.title = display_.title_of(window);
    display_.request_close(window);
    if (!reap(pid, status, usage, kExitSeconds)) {
        figures.error = program + " did not end when its window was closed";
        return figures;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        figures.error = program + " ended with status " + std::to_string(status);
        return figures;
    }
    figures.ok = true;
    figures.wall_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    figures.cpu_ms = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    figures.peak_mb = usage.ru_maxrss / 1024.0;
    return figures;
}
