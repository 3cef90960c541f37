// The tool's model of one management agent serving a topology object: its
// protocol, name, the path below it of the managed object the topology object
// is tied to, and whether it is the object's default agent. It turns itself
// into the agent's DN and back. The protocol classes load, fill and create
// the agent's managed object and exchange its fields with their dialog.
#pragma once

#include <memory>

#include "platform/QvObject.hpp"
#include "platform/QvStatus.hpp"
#include "platform/Types.hpp"

enum ProtocolType { PROTO_NONE = 0, PROTO_CMIP = 1, PROTO_MIS = 2, PROTO_RPC = 3, PROTO_SNMP = 4 };

// Agents are shared: the agent page lists them and a dialog edits the same
// object, so whoever holds one keeps it alive (shared_from_this).
class AgentMo : public std::enable_shared_from_this<AgentMo> {
public:
    // The longest DN an agent may have: what the stored formats have always
    // had room for (a 512-byte buffer). Longer names are refused, never cut.
    static constexpr std::size_t kMaxDnLength = 511;
    // The name a default agent shows, and what a name containing it stands for.
    static constexpr const char* kDefaultName = "<Default>";

    AgentMo() = default;
    AgentMo(const AgentMo&) = default;
    AgentMo& operator=(const AgentMo&) = delete;
    virtual ~AgentMo() = default;

    ProtocolType get_protocol() const { return protocol_; }
    RWCString get_proto_str() const;
    void set_proto_from_str(const char* text);

    RWCString get_name() const { return name_; }
    // Also recomputes the default flag: a name containing "Def" (such as
    // "<Default>") marks the default agent.
    void set_name(const char* name);
    // The name alone, the default flag kept (a default agent materialised
    // under an object's name stays the default agent).
    void rename(const RWCString& name) { name_ = name; }

    RWCString get_dn() const { return object_path_; }
    void set_dn(const char* object_path) { object_path_ = object_path ? object_path : ""; }

    // The agent's full DN on the management system, for the object named
    // object_name (used instead of the agent's name for a default agent).
    RWCString get_dn(const RWCString& system, const RWCString& object_name) const;
    // The DN an agent of this protocol named name has on the management
    // system, without an object path ("" for CMIP, whose path is the DN).
    RWCString root_dn(const RWCString& system, const RWCString& name) const;
    // Failure with a message for the user when that DN would be longer than
    // kMaxDnLength.
    QvStatus check_dn(const RWCString& system, const RWCString& object_name) const;

    const RWCString& system_name() const { return system_name_; }
    void set_system_name(const RWCString& system) { system_name_ = system; }

    int is_default() const { return default_; }
    void set_default(int flag) { default_ = flag ? 1 : 0; }
    int exists() const { return exists_; }
    int is_editing() const { return editing_; }
    void set_editing(int flag) { editing_ = flag ? 1 : 0; }
    int add_on_apply() const { return add_on_apply_; }
    void set_add_on_apply(int flag) { add_on_apply_ = flag ? 1 : 0; }
    int is_listed() const { return listed_; }
    void set_listed(int flag) { listed_ = flag ? 1 : 0; }

    // Equal when the names are byte for byte equal and the protocols too.
    bool operator==(const AgentMo& other) const;
    // Whether an agent the page lists stands for this one: same protocol,
    // and the same name and object path; or both default agents with one
    // object path; or this the default agent and listed the agent named
    // after the first edited object (first_object), without an object path.
    bool is_listed_as(const AgentMo& listed, const RWCString& first_object) const;

    // Loads the managed object (write 0: server into fields) or prepares it
    // for writing (write 1: fields into the object, nothing stored yet).
    virtual QvStatus get_mo(int write) = 0;
    // Stores the managed object on the server, creating it when it is new.
    virtual QvStatus create_mo() { return QvStatus::success(); }
    // Takes name as the agent's name, loads it, and shows it in the dialog.
    virtual void fill_defaults(const RWCString&) {}
    // Reads the dialog into the fields.
    virtual QvStatus get_agent() { return QvStatus::success(); }
    // Shows the fields in the dialog as they are, without asking the server.
    virtual void show() {}

protected:
    explicit AgentMo(ProtocolType protocol) : protocol_(protocol) {}
    // Name and object path from the quoted text that starts at or after from:
    // the name lies between the next two double quotes, the path follows.
    void parse_quoted_name(const RWCString& dn, RWCString::size_type from, const RWCString& object_name);
    // The name a "<Default>" name stands for, and the local system when none
    // is set: what get_mo works on.
    void resolve_default_name();
    void resolve_system_name();
    // get_mo's common step once the agent's platform object is named: an
    // agent the server holds is loaded, then read into the fields (write 0)
    // or written over with them; one it lacks starts from the defaults and,
    // to be written, takes the dialog's fields first. Sets exists().
    void load_or_default(QvObject& object, int write);
    virtual QvStatus fill_mo_defaults() { return QvStatus::success(); }
    virtual void read_attributes() {}
    virtual void write_attributes() {}

    ProtocolType protocol_ = PROTO_NONE;
    RWCString system_name_;
    RWCString name_;
    RWCString object_path_;
    int default_ = 0;
    int exists_ = 0;
    int editing_ = 0;
    int add_on_apply_ = 1;
    int listed_ = 0;
};

// The agent's shared handle: the existing owner's when it has one, else a
// new owner of agent.
std::shared_ptr<AgentMo> share_agent(AgentMo* agent);

// Which kind of agent a stored DN names, by the rules the object's agent list
// has always been read with.
ProtocolType classify_agent_dn(const RWCString& dn);
