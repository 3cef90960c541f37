// The tool's model of one management agent serving a topology object: its
// protocol, name, the path below it of the managed object the topology object
// is tied to, and whether it is the object's default agent. It turns itself
// into the agent's DN and back.
#pragma once

#include "platform/QvStatus.hpp"
#include "platform/Types.hpp"

enum ProtocolType { PROTO_NONE = 0, PROTO_CMIP = 1, PROTO_MIS = 2, PROTO_RPC = 3, PROTO_SNMP = 4 };

class AgentMo {
public:
    AgentMo() = default;
    virtual ~AgentMo() = default;

    ProtocolType get_protocol() const { return protocol_; }
    RWCString get_proto_str() const;
    void set_proto_from_str(const char* text);

    RWCString get_name() const { return name_; }
    // Also recomputes the default flag: a name containing "Def" (such as
    // "<Default>") marks the default agent.
    void set_name(const char* name);

    RWCString get_dn() const { return object_path_; }
    void set_dn(const char* object_path) { object_path_ = object_path ? object_path : ""; }

    // The agent's full DN on the management system, for the object named
    // object_name (used instead of the agent's name for a default agent).
    RWCString get_dn(const RWCString& system, const RWCString& object_name) const;

    const RWCString& system_name() const { return system_name_; }
    void set_system_name(const RWCString& system) { system_name_ = system; }

    int is_default() const { return default_; }
    void set_default(int flag) { default_ = flag ? 1 : 0; }

    // Equal when the names are byte for byte equal and the protocols too.
    bool operator==(const AgentMo& other) const;

    virtual QvStatus get_mo(int write) = 0;
    virtual QvStatus create_mo() { return QvStatus::success(); }
    virtual void fill_defaults(const RWCString&) {}
    virtual QvStatus get_agent() { return QvStatus::success(); }

protected:
    explicit AgentMo(ProtocolType protocol) : protocol_(protocol) {}
    // Name and object path from the quoted text that starts at or after from:
    // the name lies between the next two double quotes, the path follows.
    void parse_quoted_name(const RWCString& dn, RWCString::size_type from, const RWCString& object_name);

    ProtocolType protocol_ = PROTO_NONE;
    RWCString system_name_;
    RWCString name_;
    RWCString object_path_;
    int default_ = 0;
};

// Which kind of agent a stored DN names, by the rules the object's agent list
// has always been read with.
ProtocolType classify_agent_dn(const RWCString& dn);
