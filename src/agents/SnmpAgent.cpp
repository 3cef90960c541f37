#include "agents/SnmpAgent.hpp"

SnmpAgent::SnmpAgent(const RWCString& object_name, const RWCString& dn) : AgentMo(PROTO_SNMP)
{
    // The name starts just past snmpProxyAgentId= and its opening quote.
    const auto at = dn.find("snmpProxy");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 17, object_name);
}
