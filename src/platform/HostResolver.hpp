// Turns the host a client was asked for into the addresses to try, in order.
#pragma once

#include <string>
#include <sys/socket.h>
#include <vector>

#include "platform/QvStatus.hpp"

struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
};

class HostResolver {
public:
    // The local host's own name and "localhost" mean the loopback address,
    // whatever the resolver says: the server listens there by default.
    static QvStatus resolve(const std::string& host, int port, std::vector<SocketAddress>& out);
    static bool is_local_name(const std::string& host);
};
