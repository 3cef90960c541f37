// What the SNMP and RPC agents need of their configuration dialogs. The
// dialogs implement these; the agents never see a widget, and tests can stand
// in small fakes.
#pragma once

#include "platform/QvRpcAgent.hpp"
#include "platform/Types.hpp"

// Controls shared by the proxy agents' dialogs.
class ProxyAgentView {
public:
    virtual ~ProxyAgentView() = default;
    // OK and Apply: insensitive for a user who may not change agents.
    virtual void set_writable(bool writable) = 0;
    // The Object Path field, its label and the Browser button: insensitive
    // when the tool only creates an agent.
    virtual void set_path_sensitive(bool sensitive) = 0;
    // The Agent Host field.
    virtual RWCString host() = 0;
    virtual void show_host(const RWCString& host) = 0;
};

struct SnmpFields {
    RWCString object_path;
    RWCString ip_address;
    RWCString port;
    RWCString read_community;
    RWCString write_community;
    int version = 0;  // 0 SNMP v1, 1 v2c
    RWTValSlist<RWCString> mibs;
};

class SnmpAgentView : public ProxyAgentView {
public:
    // Everything but the host, MIB list in order.
    virtual void show_fields(const SnmpFields& fields) = 0;
    virtual SnmpFields read_fields() = 0;
};

struct RpcFields {
    RWCString object_path;
    RWCString read_community;
    RWCString write_community;
};

class RpcAgentView : public ProxyAgentView {
public:
    virtual void show_fields(const RpcFields& fields) = 0;
    virtual RpcFields read_fields() = 0;
    // The schema table: one row per schema, the host editable for a proxy.
    virtual void clear_schemas() = 0;
    virtual void add_schema_row(const QvRpcAgent::Schema& schema, bool host_editable) = 0;
    // The rows as they stand, in order.
    virtual RWTValSlist<QvRpcAgent::Schema> schema_rows() = 0;
};
