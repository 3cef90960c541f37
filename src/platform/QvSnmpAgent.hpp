// The SNMP proxy agent through which the server reaches one SNMP host.
#pragma once

#include "platform/QvAgentObject.hpp"

class QvSnmpAgent : public QvProxyAgent {
public:
    enum ManagementProtocol { SnmpV1 = 0, SnmpV2c = 1 };

    explicit QvSnmpAgent(const QvSnmpAgentDn& dn, Platform* platform = nullptr)
        : QvProxyAgent("snmpProxyAgent", dn, platform)
    {
    }

    // "ip:port".
    QvStatus get_transport_address(RWCString& address) const { return get_string("transportAddress", address); }
    QvStatus set_transport_address(const RWCString& address);
    QvStatus get_supported_mibs(RWTValSlist<RWCString>& mibs) const { return get_strings("supportedMibs", mibs); }
    QvStatus set_supported_mibs(const RWTValSlist<RWCString>& mibs) { return put("supportedMibs", mibs); }
    QvStatus get_management_protocol(ManagementProtocol& protocol) const;
    QvStatus set_management_protocol(int protocol);
    QvStatus get_system_title(RWCString& title) const { return get_string("systemTitle", title); }
    QvStatus set_system_title(const RWCString& title) { return put("systemTitle", title); }
    QvStatus get_access_control_enforcement(long& value) const { return get_long("accessControlEnforcement", value); }
    QvStatus set_access_control_enforcement(long value) { return put("accessControlEnforcement", value); }
    QvStatus get_access_control_mechanism(long& value) const { return get_long("accessControlMechanism", value); }
    QvStatus set_access_control_mechanism(long value) { return put("accessControlMechanism", value); }
};
