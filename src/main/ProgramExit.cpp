#include "main/ProgramExit.hpp"

#include <cstdio>
#include <cstdlib>

void program_exit(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}
