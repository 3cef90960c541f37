// Running the build's binaries (and any other program) from tests, with
// their output captured.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qv::test {

// The source tree and the build's bin directory (where qv_server lives).
std::string source_dir();
std::string bin_dir();
// The machine's host name as gethostname gives it.
std::string local_host_name();

struct RunOptions {
    std::map<std::string, std::string> env;  // set on top of the current environment
    std::vector<std::string> unset_env;      // removed from it
    std::string cwd;                         // empty: the current directory
    double timeout_seconds = 120.0;          // then the process is killed
};

struct RunResult {
    bool exited = false;     // ended by exit (else by a signal or the time-out)
    int exit_status = -1;    // when exited
    int signal = 0;          // the signal that ended it, if any
    bool timed_out = false;
    std::string out;
    std::string err;
};

// Runs a program to its end with nothing on its stdin and captures its
// output. A name without "/" is the build's binary of that name, else one on
// PATH.
RunResult run_binary(const std::string& program, const std::vector<std::string>& args,
                     const RunOptions& options = {});
// The same for a command line; its standard output. Throws when it does not
// end with status 0 within the limit.
std::string run_command(const std::vector<std::string>& words, double limit_seconds = 30);

}  // namespace qv::test
