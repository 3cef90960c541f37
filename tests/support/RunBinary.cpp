#include "support/RunBinary.hpp"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qv::test {
namespace {

std::vector<std::string> child_environment(const RunOptions& options)
{
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
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

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe()
    {
        if (pipe2(fd, O_CLOEXEC) != 0)
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    }
    ~Pipe()
    {
        close_read();
        close_write();
    }
    void close_read()
    {
        if (fd[0] >= 0)
            ::close(fd[0]);
        fd[0] = -1;
    }
    void close_write()
    {
        if (fd[1] >= 0)
            ::close(fd[1]);
        fd[1] = -1;
    }
};

[[noreturn]] void exec_child(const std::string& path, std::vector<std::string> argv_strings,
                             std::vector<std::string> env_strings, const RunOptions& options, Pipe& out,
                             Pipe& err)
{
    const int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, 0);
    dup2(out.fd[1], 1);
    dup2(err.fd[1], 2);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0)
        _exit(126);
    auto argv = c_strings(argv_strings);
    auto envp = c_strings(env_strings);
    execve(path.c_str(), argv.data(), envp.data());
    const std::string msg = "cannot execute " + path + ": " + std::strerror(errno) + "\n";
    (void)!write(2, msg.data(), msg.size());
    _exit(127);
}

// Drains stdout and stderr until both close or time runs out.
bool pump(Pipe& out, Pipe& err, RunResult& result, double timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[2] = {{out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}};  // poll skips a closed (-1) one
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        if (poll(fds, 2, static_cast<int>(std::min<long long>(left.count(), INT_MAX))) < 0 && errno != EINTR)
            return false;
        char buf[65536];
        auto drain = [&](const pollfd& polled, Pipe& p, std::string& sink) {
            if (p.fd[0] < 0 || !(polled.revents & (POLLIN | POLLHUP | POLLERR)))
                return;
            const ssize_t got = read(p.fd[0], buf, sizeof buf);
            if (got > 0)
                sink.append(buf, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                p.close_read();
        };
        drain(fds[0], out, result.out);
        drain(fds[1], err, result.err);
    }
    return true;
}

}  // namespace

std::string source_dir() { return QV_SOURCE_DIR; }
std::string bin_dir() { return QV_BIN_DIR; }

std::string local_host_name()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

RunResult run_binary(const std::string& program, const std::vector<std::string>& args, const RunOptions& options)
{
    const std::string path = program.find('/') == std::string::npos ? bin_dir() + "/" + program : program;
    std::vector<std::string> argv{path};
    argv.insert(argv.end(), args.begin(), args.end());
    auto env = child_environment(options);

    Pipe out, err;
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid == 0)
        exec_child(path, std::move(argv), std::move(env), options, out, err);
    out.close_write();
    err.close_write();

    RunResult result;
    if (!pump(out, err, result, options.timeout_seconds)) {
        result.timed_out = true;
        kill(pid, SIGKILL);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        result.exited = !result.timed_out;
        result.exit_status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

}  // namespace qv::test
