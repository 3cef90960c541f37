#include "help/HelpEnvironment.hpp"

#include <cstdlib>

#include "process/InstallDir.hpp"

namespace {

std::string installation;
bool prepared = false;

}  // namespace

int HelpEnvironment::prepare()
{
    int result = 0;
    const char* old_path = std::getenv("LD_LIBRARY_PATH");
    const std::string library_path =
        old_path ? std::string(old_path) + ":" + kViewerLibDir : std::string(kViewerLibDir);
    if (setenv("LD_LIBRARY_PATH", library_path.c_str(), 1) != 0)
        result = -1;
    if (!prepared) {
        prepared = true;
        installation = qv_home();
        const std::string help_dir = installation + "/help";
        if (setenv("HHHOME", help_dir.c_str(), 1) != 0 || setenv("HHPATH", help_dir.c_str(), 1) != 0)
            result = -1;
    }
    return result;
}

const std::string& HelpEnvironment::install_dir()
{
    if (!prepared && installation.empty())
        installation = qv_home();
    return installation;
}
