#include "agents/HostAddress.hpp"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <cstring>

RWCString get_address(const RWCString& host)
{
    if (host.empty())
        return {};
    const hostent* entry = gethostbyname(host.c_str());
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list || !entry->h_addr_list[0])
        return {};
    in_addr address;
    std::memcpy(&address, entry->h_addr_list[0], sizeof address);
    const char* text = inet_ntoa(address);
    return text ? RWCString(text) : RWCString();
}

int is_valid_host(const RWCString& host)
{
    return !host.empty() && gethostbyname(host.c_str()) != nullptr ? 1 : 0;
}
