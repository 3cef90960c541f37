// qv_server's options.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "server/ServerConfig.hpp"

namespace qv::server {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

struct CommandLine {
    ServerConfig config;
    bool help = false;
    bool version = false;
};

// Throws UsageError naming the option at fault.
CommandLine parse_command_line(const std::vector<std::string>& args);
std::string usage_text();
std::string version_text();
// The machine's host name, the default system name.
std::string host_name();

}  // namespace qv::server
