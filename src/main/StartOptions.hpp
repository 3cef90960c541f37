// What the command line asks for: the seven option strings, the handshake
// descriptor, the agent flag and the mode, parsed with CommandLine.
#pragma once

#include <string>

#include "platform/Types.hpp"

struct StartOptions {
    RWCString name;
    RWCString id;
    RWCString visible_children;
    RWCString bus_locations;
    RWCString parent;
    RWCString link;
    RWCString type;
    int handshake_fd = 0;  // 0: no -fd handshake
    int protocol_type = 0;
    bool agent_mode = false;   // any of -cmip, -mis, -rpc, -snmp
    bool create_mode = false;  // any of -type, -parent, -link
    bool host_given = false;
    std::string host;
};

// The option table of qv_tolvar.
extern const char* const kOptionSpec;

// Parses argv (with the program name first). False on a usage error: an
// unknown option, a wrong number of words, -h or -help.
bool parse_command_line(int argc, char** argv, StartOptions& options);

// The management server: -host, else QV_SERVER unless it is "localhost",
// else the local host name.
std::string choose_server(const StartOptions& options);
