// What the agents need of their configuration dialogs. The
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

// The name combo box of the CMIP and MIS dialogs: its text, and its pick
// list, which shows the newest name first.
class NameComboView {
public:
    virtual ~NameComboView() = default;
    virtual RWCString name_text() = 0;
    virtual void show_name(const RWCString& name) = 0;
    // The pick list becomes names (empty ones left out), each put in front.
    virtual void set_names(const RWTValSlist<RWCString>& names) = 0;
    virtual void add_name(const RWCString& name) = 0;
    // Removes the first item equal to name, if any.
    virtual void remove_name(const RWCString& name) = 0;
};

// The CMIP dialog's fields as the user sees them.
struct CmipFields {
    RWTValSlist<RWCString> agent_dns;
    // Shown: the Agent DN to select ("" none). Read: the first selected one.
    RWCString selected_dn;
    bool mpa_default = true;
    RWCString mpa_host;
    RWCString mpa_port;
    RWCString presentation_selector;
    RWCString session_selector;
    RWCString transport_selector;
    RWCString network_sap;
    // "LDN", "FDN" or "NONE"; read: "" when no button is on.
    RWCString name_translation = "NONE";
    bool ae_title_on = false;
    RWCString ap_title;
    RWCString ae_qualifier;
    RWCString ae_invoke_id;
    RWCString ap_invoke_id;
};

class CmipAgentView : public NameComboView {
public:
    // OK, Apply and "Delete...": insensitive for a user who may not change
    // agents.
    virtual void set_writable(bool writable) = 0;
    virtual void show_fields(const CmipFields& fields) = 0;
    virtual CmipFields read_fields() = 0;
    // The APTitle field as it was stored.
    virtual void show_ap_title(const RWCString& title) = 0;
};

struct MisFields {
    RWCString object_path;
    RWCString port;
};

class MisAgentView : public NameComboView {
public:
    virtual void set_writable(bool writable) = 0;
    // The Object Path field, its label and the Browser button.
    virtual void set_path_sensitive(bool sensitive) = 0;
    virtual void show_fields(const MisFields& fields) = 0;
    virtual MisFields read_fields() = 0;
};
