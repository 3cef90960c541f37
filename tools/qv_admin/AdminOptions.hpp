// The command line of qv_admin: global options, then a command and its words.
#pragma once

#include <string>
#include <vector>

struct AdminOptions {
    std::string host;  // empty: QV_SERVER, else localhost
    int port = 0;      // 0: QV_PORT, else 5555
    std::string user;  // empty: the login name
    bool help = false;
    std::string command;
    std::vector<std::string> args;

    // Throws AdminError (usage) on a malformed command line.
    static AdminOptions parse(const std::vector<std::string>& argv);
    // The server host to reach.
    std::string server_host() const;
};

// The usage text, also printed by --help.
const char* admin_usage();
