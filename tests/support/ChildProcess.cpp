#include "support/ChildProcess.hpp"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace qv::test {
namespace {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The current environment with the options' changes, as NAME=value.
std::vector<std::string> environment(const RunOptions& options)
{
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (const auto eq = entry.find('='); eq != std::string::npos)
            env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& name : options.unset_env)
        env.erase(name);
    for (const auto& [name, value] : options.env)
        env[name] = value;
    std::vector<std::string> out;
    for (const auto& [name, value] : env)
        out.push_back(name + "=" + value);
    return out;
}

std::vector<char*> c_strings(std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (auto& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const RunOptions& options, const std::string& output_dir)
{
    static int started = 0;
    const std::string stem = output_dir + "/child" + std::to_string(getpid()) + "-" + std::to_string(++started);
    out_path_ = stem + ".out";
    err_path_ = stem + ".err";
    const std::string built = bin_dir() + "/" + program;
    const bool ours = program.find('/') == std::string::npos && access(built.c_str(), X_OK) == 0;
    std::vector<std::string> words = {ours ? built : program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> env = environment(options);
    auto argv = c_strings(words);
    auto envp = c_strings(env);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        // A test that aborts (a sanitizer report, a crash) takes its children
        // with it instead of leaving them running.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        dup2(open("/dev/null", O_RDONLY), 0);
        dup2(open(out_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open(err_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0)
            _exit(126);
        execvpe(argv[0], argv.data(), envp.data());
        const std::string why = "cannot execute " + words[0] + "\n";
        (void)!write(2, why.data(), why.size());
        _exit(127);
    }
}

bool ChildProcess::running()
{
    if (pid_ <= 0 || ended_)
        return false;
    const pid_t r = waitpid(pid_, &status_, WNOHANG);
    if (r == 0 || (r < 0 && errno == EINTR))
        return true;
    ended_ = true;
    if (r != pid_)
        status_ = -1;  // not ours to wait for any more: neither exited nor signalled
    return false;
}

bool ChildProcess::wait(double limit_seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit_seconds);
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void ChildProcess::kill()
{
    // Not through running(): a death test's child process cannot wait for
    // its parent's children, yet kills them.
    if (pid_ > 0 && !ended_) {
        ::kill(pid_, SIGKILL);
        wait(30);
    }
}

bool ChildProcess::exited() const { return ended_ && WIFEXITED(status_); }
int ChildProcess::exit_status() const { return exited() ? WEXITSTATUS(status_) : -1; }
int ChildProcess::signal() const { return ended_ && WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }
std::string ChildProcess::out() const { return read_file(out_path_); }
std::string ChildProcess::err() const { return read_file(err_path_); }

}  // namespace qv::test
