// Host name resolution for the agents: the address an SNMP agent is reached
// at, and whether a MIS host exists.
#pragma once

#include "platform/Types.hpp"

// The dotted IPv4 address of a host, or "" when it does not resolve.
RWCString get_address(const RWCString& host);
int is_valid_host(const RWCString& host);
