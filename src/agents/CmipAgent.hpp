// An OSI (CMIP) agent entity known to the server. The user picks or types
// the entity's name and ties the topology object to one of the managed
// objects the entity serves (its Agent DNs); the stored DN is that managed
// object's whole DN. The entity has an OSI presentation address, a name
// translation mode, an optional application entity title and the address of
// its management protocol adapter (MPA). The entities of the server are
// offered in the dialog's combo, which follows the ones created later.
#pragma once

#include <memory>

#include "agents/AgentMo.hpp"
#include "platform/QvCmipAgent.hpp"

class CmipAgentView;

class CmipAgent : public AgentMo {
public:
    // The default fields, shown in the dialog, and the server's entities in
    // its combo.
    CmipAgent();
    // entity: the name of the entity serving dn, as the server tells it
    // (empty when the server knows none; the object's name is used then).
    CmipAgent(const RWCString& object_name, const RWCString& dn, const RWCString& entity);
    // The agent page lists copies of CMIP agents: the dialog goes on editing
    // its own.
    CmipAgent(const CmipAgent&) = default;

    // Takes the entity named in text (an item of the combo), loads it and
    // shows it.
    void fill_defaults(const RWCString& text) override;
    // Dialog into fields; a refused field is told the user and fails with
    // code 14 (the fields read before it keep their new values). Fails with
    // an empty text, telling nothing, when the entity name is empty.
    QvStatus get_agent() override;
    QvStatus get_mo(int write) override;
    // The defaults of an entity the server does not have yet.
    QvStatus fill_mo_defaults() override;
    // Writes the entity; refused with a message for an entity named like
    // the management server.
    QvStatus create_mo() override;
    void show() override;

    // The server's entities into the combo (one album derivation).
    void set_name_list();
    // Destroys the entities at the given 1-based positions of the entity
    // list; they leave the list and the combo. Failures are not reported.
    void delete_mo(int count, const int* positions);

    // The ids of the server's CMIP agent entities, as the combo offers them,
    // shared by every CMIP agent (the dialog has one combo).
    static const RWTValSlist<RWCString>& name_list() { return entity_ids(); }
    // An entity the server reports as new joins the list and the combo.
    static void entity_added(const RWCString& id);

    const RWTValSlist<RWCString>& agent_dns() const { return agent_dns_; }
    int mpa_default() const { return mpa_default_; }
    const RWCString& mpa_host() const { return mpa_host_; }
    const RWCString& mpa_port() const { return mpa_port_; }
    const RWCString& network_sap() const { return network_sap_; }
    const RWCString& name_translation() const { return name_translation_; }
    const RWCString& ae_title() const { return ae_title_; }
    const RWCString& ae_qualifier() const { return ae_qualifier_; }
    int address_tag() const { return address_tag_; }

private:
    static RWTValSlist<RWCString>& entity_ids();
    static CmipAgentView* view();
    // The application entity title fields, when the AETitle toggle is on.
    QvStatus take_ae_title(const struct CmipFields& fields);
    void read_attributes() override;
    void write_attributes() override;
    void write_address_attributes();
    void report_failure(const QvStatus& status) const;
    QvStatus refuse(int number, const char* text, const char* code_text) const;

    RWTValSlist<RWCString> agent_dns_;
    int mpa_default_ = 1;
    RWCString mpa_host_;
    RWCString mpa_port_;
    RWCString presentation_selector_;
    RWCString session_selector_;
    RWCString transport_selector_;
    RWCString network_sap_;
    RWCString name_translation_ = "NONE";
    RWCString ae_title_ = "{ 1 1 1 1 }";
    RWCString ae_qualifier_ = "-1";
    long ae_invoke_id_ = -1;
    long ap_invoke_id_ = -1;
    int address_tag_ = 8;
    QvCmipAgentDn platform_dn_;
    std::shared_ptr<QvCmipAgent> platform_agent_;
    int selectors_entered_ = 0;
};
