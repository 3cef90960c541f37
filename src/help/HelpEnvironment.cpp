#include "help/HelpEnvironment.hpp"

#include <cstdlib>

namespace {

std::string installation;
bool prepared = false;

std::string install_dir_from_environment()
{
    const char* home = std::getenv("QV_HOME");
    return home ? home : HelpEnvironment::kDefaultInstallDir;
}

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
        installation = install_dir_from_environment();
        const std::string help_dir = installation + "/help";
        if (setenv("HHHOME", help_dir.c_str(), 1) != 0 || setenv("HHPATH", help_dir.c_str(), 1) != 0)
            result = -1;
    }
    return result;
}

const std::string& HelpEnvironment::install_dir()
{
    if (!prepared && installation.empty())
        installation = install_dir_from_environment();
    return installation;
}
