// A CMIP agent entity (also a MIS, named after its host): its OSI address,
// application entity title and the managed objects it serves.
#pragma once

#include "platform/QvAgentObject.hpp"

class QvCmipAgent : public QvAgentObject {
public:
    explicit QvCmipAgent(const QvCmipAgentDn& dn, Platform* platform = nullptr)
        : QvAgentObject("cmipAgentEntity", dn, platform)
    {
    }

    // "id:\"NAME\"", "objectIdentifier:{1 2 3}" or "distinguishedName:/...".
    QvStatus get_agent_id(RWCString& id) const { return get_string("agentId", id); }

    // The management protocol adapter; with use_default set host and port
    // are not used.
    QvStatus get_mpa_address_info(RWCString& host, long& port, int& use_default) const;
    // The members of an mpaAddressInfo record ({"host", "port", "default"}).
    static void read_mpa_address_info(ReplyReader& record, RWCString& host, long& port, int& use_default);
    QvStatus set_mpa_address_info(const RWCString& host, long port, int use_default);

    QvStatus get_managed_objects(RWTValSlist<RWCString>& dns) const { return get_strings("managedObjects", dns); }
    QvStatus set_managed_objects(const RWTValSlist<RWCString>& dns) { return put("managedObjects", dns); }

    QvStatus get_presentation_selector(RWCString& v) const { return get_string("presentationSelector", v); }
    QvStatus set_presentation_selector(const RWCString& v) { return put("presentationSelector", v); }
    QvStatus get_session_selector(RWCString& v) const { return get_string("sessionSelector", v); }
    QvStatus set_session_selector(const RWCString& v) { return put("sessionSelector", v); }
    QvStatus get_transport_selector(RWCString& v) const { return get_string("transportSelector", v); }
    QvStatus set_transport_selector(const RWCString& v) { return put("transportSelector", v); }
    QvStatus get_network_sap(RWCString& v) const { return get_string("networkSap", v); }
    QvStatus set_network_sap(const RWCString& v) { return put("networkSap", v); }

    // "NONE", "LDN" or "FDN".
    QvStatus get_name_translation(RWCString& v) const { return get_string("nameTranslation", v); }
    QvStatus set_name_translation(const RWCString& v);

    // 8 without an application entity title, 24 with one.
    QvStatus get_agent_address_tag(long& tag) const { return get_long("agentAddressTag", tag); }
    QvStatus set_agent_address_tag(long tag);

    QvStatus get_application_entity_title(RWCString& v) const { return get_string("applicationEntityTitle", v); }
    QvStatus set_application_entity_title(const RWCString& v) { return put("applicationEntityTitle", v); }
    QvStatus get_application_entity_qualifier(RWCString& v) const
    {
        return get_string("applicationEntityQualifier", v);
    }
    QvStatus set_application_entity_qualifier(const RWCString& v) { return put("applicationEntityQualifier", v); }
    QvStatus get_application_entity_invoke_id(long& v) const { return get_long("applicationEntityInvokeId", v); }
    QvStatus set_application_entity_invoke_id(long v) { return put("applicationEntityInvokeId", v); }
    QvStatus get_application_process_invoke_id(long& v) const { return get_long("applicationProcessInvokeId", v); }
    QvStatus set_application_process_invoke_id(long v) { return put("applicationProcessInvokeId", v); }

    // "{psel,ssel,tsel,nsap}".
    QvStatus get_agent_address_info(RWCString& v) const { return get_string("agentAddressInfo", v); }
    QvStatus set_agent_address_info(const RWCString& v) { return put("agentAddressInfo", v); }
};
