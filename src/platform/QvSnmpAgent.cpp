#include "platform/QvSnmpAgent.hpp"

QvStatus QvSnmpAgent::set_transport_address(const RWCString& address)
{
    // An address without a host part cannot be reached; refuse it here so the
    // caller can say which host could not be resolved.
    const auto colon = address.find(':');
    if (address.empty() || colon == 0)
        return QvStatus::failure(QvStatus::InvalidValue, "No IP address in the transport address \"" + address + "\"");
    return put("transportAddress", address);
}

QvStatus QvSnmpAgent::get_management_protocol(ManagementProtocol& protocol) const
{
    long v = 0;
    QvStatus st = get_long("managementProtocol", v);
    if (st)
        protocol = v ? SnmpV2c : SnmpV1;
    return st;
}

QvStatus QvSnmpAgent::set_management_protocol(int protocol)
{
    if (protocol != SnmpV1 && protocol != SnmpV2c)
        return QvStatus::failure(QvStatus::InvalidValue,
                                 "Unknown SNMP version " + std::to_string(protocol) + " (0 is v1, 1 is v2c)");
    return put("managementProtocol", protocol);
}
