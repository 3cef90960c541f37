// The names of agent managed objects: a management system and the agent's
// own name (the proxied host, or a CMIP entity's name), spelt as in
// docs/protocol.md. The subclasses fix the form.
#pragma once

#include <string>

#include "platform/Types.hpp"

class QvAgentDn {
public:
    const RWCString& system_name() const { return system_; }
    // The agent's own name: the host of a proxy agent, a CMIP entity's name.
    const RWCString& unique_name() const { return name_; }
    bool valid() const { return form_ && !system_.empty() && !name_.empty(); }
    std::string to_string() const;

    bool operator==(const QvAgentDn& o) const { return form_ == o.form_ && system_ == o.system_ && name_ == o.name_; }
    bool operator!=(const QvAgentDn& o) const { return !(*this == o); }

protected:
    // The components below the system: a fixed one, then the keyed one.
    struct Form {
        const char* middle_attr;
        const char* middle_value;
        const char* key_attr;
        const char* key_tag;  // "id:" or ""
    };
    QvAgentDn() = default;
    QvAgentDn(const Form& form, RWCString system, RWCString name)
        : form_(&form), system_(std::move(system)), name_(std::move(name))
    {
    }
    // Fills system and name from text when it has this form.
    static bool parse(const Form& form, const std::string& text, RWCString& system, RWCString& name);

private:
    const Form* form_ = nullptr;
    RWCString system_;
    RWCString name_;
};

// /systemId=name:"S"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId="HOST"
class QvSnmpAgentDn : public QvAgentDn {
public:
    QvSnmpAgentDn() = default;
    QvSnmpAgentDn(RWCString system, RWCString host) : QvAgentDn(kForm, std::move(system), std::move(host)) {}
    static QvSnmpAgentDn from_string(const std::string& text);
    static const Form kForm;
};

// /systemId=name:"S"/agentTableType="RPC"/agentId=id:"HOST"
class QvRpcAgentDn : public QvAgentDn {
public:
    QvRpcAgentDn() = default;
    QvRpcAgentDn(RWCString system, RWCString host) : QvAgentDn(kForm, std::move(system), std::move(host)) {}
    static QvRpcAgentDn from_string(const std::string& text);
    static const Form kForm;
};

// /systemId=name:"S"/agentTableType="CMIP"/agentId=id:"NAME"; a MIS is one
// named after its host.
class QvCmipAgentDn : public QvAgentDn {
public:
    QvCmipAgentDn() = default;
    QvCmipAgentDn(RWCString system, RWCString name) : QvAgentDn(kForm, std::move(system), std::move(name)) {}
    static QvCmipAgentDn from_string(const std::string& text);
    static const Form kForm;
};
