// What the command line sets.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/Frame.hpp"

namespace qv::server {

struct ServerConfig {
    std::string db_path = "qv.db";
    std::string listen = "127.0.0.1";
    int port = 5555;
    std::string port_file;
    std::string system_name;  // empty: the host name
    bool require_login = false;
    std::uint32_t max_frame = qv::proto::kDefaultMaxFrame;
    std::string load_file;
};

}  // namespace qv::server
