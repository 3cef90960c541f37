// An SNMP proxy agent: the managed object through which the server reaches
// one SNMP host. Its fields move between the SNMP dialog (through its view),
// the tool's memory and the server's snmpProxyAgent object.
#pragma once

#include <memory>

#include "agents/AgentMo.hpp"
#include "platform/QvSnmpAgent.hpp"

class SnmpAgentView;

class SnmpAgent : public AgentMo {
public:
    // The default agent fields, shown in the dialog.
    SnmpAgent();
    // From a topology object's name and one of its stored agent DNs; the
    // other fields come from the server when the agent is loaded.
    SnmpAgent(const RWCString& object_name, const RWCString& dn);

    void fill_defaults(const RWCString& name) override;
    // Dialog into fields. A new read community renames the agent: host H
    // with community C other than "gusset" is H_C.
    QvStatus get_agent() override;
    QvStatus get_mo(int write) override;
    // The defaults of an agent the server does not have yet, into the
    // fields and the platform object.
    QvStatus fill_mo_defaults() override;
    QvStatus create_mo() override;
    void show() override;

    // Failure with a message for the user when the fields cannot be written
    // (a port that is not a number from 1 to 65535).
    QvStatus check_fields() const;

    // The MIB names the server's metadata repository knows.
    RWTValSlist<RWCString>& get_mib_list();

    const RWCString& ip_address() const { return ip_address_; }
    const RWCString& port() const { return port_; }
    const RWCString& read_community() const { return read_community_; }
    const RWCString& write_community() const { return write_community_; }
    int version() const { return version_; }
    const RWTValSlist<RWCString>& supported_mibs() const { return supported_mibs_; }
    bool loaded() const { return loaded_; }

private:
    SnmpAgentView* view() const;
    void take_read_community(const RWCString& community);
    void read_attributes() override;
    void write_attributes() override;
    RWCString transport_address() const { return ip_address_ + ":" + port_; }
    // Shows status in an error dialog when it failed.
    void report_failure(const QvStatus& status) const;

    RWCString ip_address_;
    RWCString port_ = "161";
    RWCString read_community_ = "gusset";
    RWCString write_community_ = "lantern";
    int version_ = 0;
    RWTValSlist<RWCString> all_mibs_;
    RWTValSlist<RWCString> supported_mibs_;
    QvSnmpAgentDn platform_dn_;
    std::shared_ptr<QvSnmpAgent> platform_agent_;
    bool loaded_ = false;
};
