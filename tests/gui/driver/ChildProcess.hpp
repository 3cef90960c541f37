// A program run in the background by a black-box GUI test (the real tool,
// xdotool), with its output collected in files.
#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qv::gui {

class ChildProcess {
public:
    // Starts program with args; env is set on top of the current environment.
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env, const std::string& output_dir);
    ~ChildProcess();  // kills it when still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // Waits for the end; false when it did not end within the limit.
    bool wait(double limit_seconds);
    bool exited() const { return exited_; }
    int exit_status() const { return status_; }
    std::string out() const;
    std::string err() const;

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = -1;
    std::string out_path_, err_path_;
};

// Runs a command to the end and returns its standard output; throws when it
// does not end with status 0 within the limit.
std::string run_command(const std::vector<std::string>& words, double limit_seconds = 30);

}  // namespace qv::gui
