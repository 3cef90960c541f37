#include "support/RunBinary.hpp"

#include <climits>
#include <stdexcept>
#include <unistd.h>

#include "support/ChildProcess.hpp"
#include "support/TempDir.hpp"

namespace qv::test {

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
    const TempDir output;
    ChildProcess child(program, args, options, output.path());
    RunResult result;
    result.timed_out = !child.wait(options.timeout_seconds);
    child.kill();
    result.exited = child.exited() && !result.timed_out;
    result.exit_status = child.exit_status();
    result.signal = child.signal();
    result.out = child.out();
    result.err = child.err();
    return result;
}

std::string run_command(const std::vector<std::string>& words, double limit_seconds)
{
    RunOptions options;
    options.timeout_seconds = limit_seconds;
    const RunResult r = run_binary(words.at(0), {words.begin() + 1, words.end()}, options);
    if (!r.exited || r.exit_status != 0)
        throw std::runtime_error("command failed: " + words.at(0) + ": " + r.err);
    return r.out;
}

}  // namespace qv::test
