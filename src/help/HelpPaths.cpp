#include "help/HelpPaths.hpp"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 20;

bool has_mode(const std::string& path, unsigned mode)
{
    std::string followed = path;
    struct stat info {};
    if (pstat(followed, info) != 0)
        return false;
    return (static_cast<unsigned>(info.st_mode) & mode) == mode;
}

std::string read_link(const std::string& path)
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    return n < 0 ? std::string() : std::string(buffer, static_cast<std::size_t>(n));
}

std::string current_directory()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

}  // namespace

int find_in_path(const char* variable, const char* name, unsigned mode, std::string& result)
{
    if (!name)
        return -1;
    if (std::strchr(name, '/')) {
        if (!has_mode(name, mode))
            return -1;
        result = name;
        return 0;
    }
    const char* value = variable ? std::getenv(variable) : nullptr;
    if (!value)
        return -1;
    const std::string directories(value);
    std::size_t start = 0;
    while (start <= directories.size()) {
        std::size_t colon = directories.find(':', start);
        if (colon == std::string::npos)
            colon = directories.size();
        const std::string candidate = directories.substr(start, colon - start) + "/" + name;
        if (has_mode(candidate, mode)) {
            result = candidate;
            return 1;
        }
        start = colon + 1;
    }
    return -1;
}

int pstat(std::string& path, struct stat& info)
{
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (lstat(path.c_str(), &info) != 0)
            return -1;
        if (!S_ISLNK(info.st_mode))
            return 0;
        const std::string target = read_link(path);
        if (target.empty())
            return -1;
        if (target[0] == '/')
            path = target;
        else
            modbasename(path, target.c_str());
    }
    return -1;
}

int which(const char* name, unsigned mode, std::string& result) { return find_in_path("PATH", name, mode, result); }

int set_env(const char* program)
{
    std::string found;
    const int how = which(program, kRegularExecutable, found);
    if (how < 0)
        return -1;
    if (how == 1)
        return 0;  // already reachable through PATH
    std::string directory = found.substr(0, found.rfind('/'));
    if (directory.empty())
        directory = "/";
    else if (directory[0] != '/')
        directory = current_directory() + "/" + directory;
    const char* old_path = std::getenv("PATH");
    const std::string path = old_path ? directory + ":" + old_path : directory;
    return setenv("PATH", path.c_str(), 1) == 0 ? 0 : -1;
}

void modbasename(std::string& path, const char* name)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        path = name;
    else
        path.replace(slash + 1, std::string::npos, name);
}
