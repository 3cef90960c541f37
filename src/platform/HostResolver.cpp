#include "platform/HostResolver.hpp"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>

#include "platform/Platform.hpp"

bool HostResolver::is_local_name(const std::string& host)
{
    return host == "localhost" || host == get_local_host();
}

QvStatus HostResolver::resolve(const std::string& host, int port, std::vector<SocketAddress>& out)
{
    out.clear();
    if (host.empty())
        return QvStatus::failure(QvStatus::BadArgument, "No server host name given");
    if (is_local_name(host)) {
        SocketAddress a;
        auto* in = reinterpret_cast<sockaddr_in*>(&a.storage);
        in->sin_family = AF_INET;
        in->sin_port = htons(static_cast<uint16_t>(port));
        in->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.length = sizeof(sockaddr_in);
        out.push_back(a);
        return QvStatus::success();
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    if (rc != 0)
        return QvStatus::failure(QvStatus::NotConnected,
                                 "Cannot resolve the host name " + host + ": " + gai_strerror(rc));
    for (addrinfo* p = list; p; p = p->ai_next) {
        SocketAddress a;
        std::memcpy(&a.storage, p->ai_addr, p->ai_addrlen);
        a.length = p->ai_addrlen;
        out.push_back(a);
    }
    freeaddrinfo(list);
    if (out.empty())
        return QvStatus::failure(QvStatus::NotConnected, "The host name " + host + " has no address");
    return QvStatus::success();
}
