#include "process/ProgramExit.hpp"

#include <cstdio>
#include <cstdlib>

namespace {

ExitObserver exit_observer = nullptr;

}  // namespace

void set_exit_observer(ExitObserver observer) { exit_observer = observer; }

void program_exit(int status)
{
    if (exit_observer)
        exit_observer(status);
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}
