// What the command line sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/Frame.hpp"

namespace qv::server {

// What one client, or all of them, may hold of the server. Times in seconds;
// a time of 0 means no limit.
struct Limits {
    std::size_t max_connections = 512;
    std::size_t max_per_address = 128;
    double hello_timeout = 10;
    double idle_timeout = 8 * 3600;
    double frame_timeout = 30;  // a frame begun must be complete within this
    // Input and output held for all clients together, beyond the first
    // 64 KiB of each connection.
    std::size_t max_buffered = 256u * 1024u * 1024u;
    // A refused login is answered after a delay that starts here and doubles
    // with each recent failure of its user or its address.
    double login_delay = 1;
};

struct ServerConfig {
    std::string db_path = "qv.db";
    std::string listen = "127.0.0.1";
    int port = 5555;
    std::string port_file;
    std::string system_name;  // empty: the host name
    bool require_login = false;
    std::uint32_t max_frame = qv::proto::kDefaultMaxFrame;
    std::string load_file;
    // The directories (and those below) a document's mib_directories may name.
    std::vector<std::string> mib_roots;
    Limits limits;
    // PEM files: the server's certificate (with its chain) and private key.
    std::string tls_cert;
    std::string tls_key;
    // Audit entries older than this many days are dropped; 0 keeps them all.
    int audit_days = 365;
};

// Where a document may read MIB files when the command line names none.
inline const char* const kDefaultMibRoot = "/usr/share/snmp/mibs";

}  // namespace qv::server
