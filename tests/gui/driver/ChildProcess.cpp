#include "driver/ChildProcess.hpp"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qv::gui {
namespace {

std::string read_file(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int unique_number()
{
    static int counter = 0;
    return ++counter;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& env, const std::string& output_dir)
{
    const std::string stem = output_dir + "/child" + std::to_string(getpid()) + "-" + std::to_string(unique_number());
    out_path_ = stem + ".out";
    err_path_ = stem + ".err";
    std::vector<std::string> words = {program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        const int out = open(out_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        const int null = open("/dev/null", O_RDONLY);
        dup2(null, 0);
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        execvp(argv[0], argv.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    if (running()) {
        kill(pid_, SIGKILL);
        wait(10);
    }
}

bool ChildProcess::running()
{
    if (pid_ <= 0 || exited_ || status_ != -1)
        return false;
    int status = 0;
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == 0)
        return true;
    if (r == pid_) {
        exited_ = WIFEXITED(status);
        status_ = exited_ ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    } else {
        status_ = -2;  // not ours to wait for any more
    }
    return false;
}

bool ChildProcess::wait(double limit_seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit_seconds);
    while (running()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string ChildProcess::out() const { return read_file(out_path_); }

std::string ChildProcess::err() const { return read_file(err_path_); }

std::string run_command(const std::vector<std::string>& words, double limit_seconds)
{
    const char* tmp = std::getenv("TMPDIR");
    ChildProcess child(words.at(0), std::vector<std::string>(words.begin() + 1, words.end()), {},
                       tmp ? tmp : "/tmp");
    if (!child.wait(limit_seconds) || !child.exited() || child.exit_status() != 0) {
        std::string cmd;
        for (const std::string& w : words)
            cmd += w + " ";
        throw std::runtime_error("command failed: " + cmd + child.err());
    }
    return child.out();
}

}  // namespace qv::gui
