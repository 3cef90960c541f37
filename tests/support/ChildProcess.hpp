// A program running in the background with its output collected in files:
// the real tool and xdotool while a GUI test acts, and every run_binary.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

#include "support/RunBinary.hpp"

namespace qv::test {

class ChildProcess {
public:
    // Starts program (a name without "/": the build's binary of that name,
    // else one on PATH) with args, its output in files below output_dir.
    ChildProcess(const std::string& program, const std::vector<std::string>& args, const RunOptions& options,
                 const std::string& output_dir);
    ~ChildProcess() { kill(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // Waits for the end; false when it did not end within the limit.
    bool wait(double limit_seconds);
    // SIGKILL, when still running, and wait.
    void kill();
    bool exited() const;         // ended by exit
    int exit_status() const;     // when exited, else -1
    int signal() const;          // the signal that ended it, else 0
    std::string out() const;
    std::string err() const;

private:
    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = -1;
    std::string out_path_, err_path_;
};

}  // namespace qv::test
