// A management information server (MIS) serving the object: a management
// system named by its host, reached over a CMIP association. On the server
// it is a CMIP agent entity named after the host, whose network address is
// host and port and whose managed objects hold the system's DN. The
// management server's own MIS (its host, or "localhost") always exists and
// is never loaded nor created.
#pragma once

#include <memory>

#include "agents/AgentMo.hpp"
#include "platform/QvCmipAgent.hpp"

class MisAgentView;

class MisAgent : public AgentMo {
public:
    // The default fields, shown in the dialog, and the server's systems in
    // its combo.
    MisAgent();
    // server: the management server's host name; a MIS named like it, or
    // "localhost", is the server itself.
    MisAgent(const RWCString& object_name, const RWCString& dn, const RWCString& server);

    bool is_local() const { return local_; }
    const RWCString& port() const { return port_; }

    // Takes the MIS of host name, loads it (unless it is the server's own)
    // and shows it.
    void fill_defaults(const RWCString& name) override;
    // Dialog into fields. A host typed anew is the server's own MIS when it
    // is "localhost" (it then takes the server's name).
    QvStatus get_agent() override;
    QvStatus get_mo(int write) override;
    // The defaults of a MIS the server does not have yet, into the platform
    // object only.
    QvStatus fill_mo_defaults() override;
    // Writes the MIS; nothing for the server's own, refused with a message
    // for one named like the server.
    QvStatus create_mo() override;
    void show() override;

    // The systems the server knows into the combo.
    void set_name_list();
    // Failure with a message for the user when the port is no port number.
    QvStatus check_fields() const;

    // The DN of the MIS system of host: /systemId=name:"host".
    static RWCString system_dn(const RWCString& host);

private:
    MisAgentView* view() const;
    // Takes name as the MIS host: the server's own for its name or
    // "localhost".
    void take_name(const RWCString& name);
    RWCString network_sap() const { return name_ + ":" + port_; }
    void report_failure(const QvStatus& status) const;

    RWCString port_ = "5555";
    QvCmipAgentDn platform_dn_;
    std::shared_ptr<QvCmipAgent> platform_agent_;
    bool local_ = false;
};
