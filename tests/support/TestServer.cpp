#include "support/TestServer.hpp"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qv::test {
namespace {

std::string read_whole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Waits for a child; true with its status when it ended within the time.
bool wait_for_exit(pid_t pid, int& status, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid)
            return true;
        if (r < 0 && errno != EINTR)
            return true;  // not our child any more: nothing to wait for
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

ServerOptions fixture_options(bool require_login)
{
    ServerOptions options;
    options.require_login = require_login;
    options.load_file = source_dir() + "/data/fixture/topology.json";
    return options;
}

TestServer::TestServer(ServerOptions options) : options_(std::move(options))
{
    system_name_ = options_.system_name.empty() ? local_host_name() : options_.system_name;
    if (!options_.load_text.empty())
        options_.load_file = dir_.write_file("load.json", options_.load_text);
    start(0, true);
}

TestServer::~TestServer() { stop(); }

std::string TestServer::db_path() const { return dir_.path() + "/qv.db"; }

std::map<std::string, std::string> TestServer::client_env() const
{
    return {{"QV_PORT", std::to_string(port_)}, {"QV_SERVER", "localhost"}};
}

RunResult TestServer::admin(std::vector<std::string> args, const std::string& user) const
{
    RunOptions run;
    run.env = client_env();
    if (!user.empty()) {
        run.env["QV_PASSWORD"] = user;
        args.insert(args.begin(), {"--user", user});
    }
    return run_binary("qv_admin", args, run);
}

std::vector<std::string> TestServer::arguments(int port, bool first_start) const
{
    std::vector<std::string> args{bin_dir() + "/qv_server",
                                  "--db", db_path(),
                                  "--listen", "127.0.0.1",
                                  "--port", std::to_string(port),
                                  "--port-file", dir_.path() + "/port",
                                  "--system-name", system_name_};
    if (options_.require_login)
        args.push_back("--require-login");
    // Only the first start loads: a restart must show what was stored.
    if (!options_.load_file.empty() && first_start) {
        args.push_back("--load");
        args.push_back(options_.load_file);
    }
    args.insert(args.end(), options_.extra_args.begin(), options_.extra_args.end());
    return args;
}

void TestServer::start(int port, bool first_start)
{
    const std::string port_file = dir_.path() + "/port";
    unlink(port_file.c_str());
    auto args = arguments(port, first_start);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const int log_fd = open((dir_.path() + "/server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log_fd < 0)
        throw std::runtime_error("cannot open the server log in " + dir_.path());
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(log_fd);
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        // A test that aborts (a sanitizer report, a crash) takes its server
        // with it instead of leaving it running.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        const int null_fd = open("/dev/null", O_RDWR);
        dup2(null_fd, 0);
        dup2(null_fd, 1);
        dup2(log_fd, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(log_fd);
    pid_ = pid;

    // The server writes the port file (atomically) once it listens.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string text = read_whole(port_file);
        if (!text.empty() && text.back() == '\n') {
            port_ = std::stoi(text);
            return;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            throw std::runtime_error("qv_server did not start:\n" + log());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill9();
    throw std::runtime_error("qv_server did not listen within 60 s:\n" + log());
}

int TestServer::stop()
{
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    if (!wait_for_exit(pid_, status, std::chrono::seconds(30))) {
        kill(pid_, SIGKILL);
        wait_for_exit(pid_, status, std::chrono::seconds(30));
    }
    pid_ = -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

void TestServer::kill9()
{
    if (pid_ > 0)
        kill(pid_, SIGKILL);
    stop();
}

void TestServer::restart()
{
    if (pid_ > 0)
        stop();
    start(port_, false);
}

bool TestServer::is_running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

std::string TestServer::log() const { return read_whole(dir_.path() + "/server.log"); }

}  // namespace qv::test
