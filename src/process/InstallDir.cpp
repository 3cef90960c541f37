#include "process/InstallDir.hpp"

#include <cstdlib>

std::string qv_home()
{
    const char* home = std::getenv("QV_HOME");
    return home ? home : "/opt/Quorlan/qv";
}
