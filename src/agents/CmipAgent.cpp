#include "agents/CmipAgent.hpp"

#include <algorithm>

#include "agents/AgentContext.hpp"
#include "agents/AgentViews.hpp"
#include "agents/CmipAgentTable.hpp"
#include "agents/FieldRules.hpp"
#include "agents/StatusText.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"

namespace {

const char kNoTitle[] = "{ 1 1 1 1 }";
constexpr int kTagWithoutTitle = 8;
constexpr int kTagWithTitle = 24;
constexpr int kNoName = 14;

// Whether the entity list was ever read: the dialog offers the server's
// entities from its first use on.
bool entities_read = false;

}  // namespace

RWTValSlist<RWCString>& CmipAgent::entity_ids()
{
    static RWTValSlist<RWCString> ids;
    return ids;
}

CmipAgent::CmipAgent() : AgentMo(PROTO_CMIP)
{
    set_name_list();
    if (!may_write_agents() && view())
        view()->set_writable(false);
    fill_defaults("");
}

CmipAgent::CmipAgent(const RWCString& object_name, const RWCString& dn, const RWCString& entity)
    : AgentMo(PROTO_CMIP)
{
    object_path_ = dn;
    name_ = entity.empty() ? object_name : entity;
    default_ = 0;
    if (!may_write_agents() && view())
        view()->set_writable(false);
}

CmipAgentView* CmipAgent::view()
{
    const auto& dialog = agent_context().cmip;
    return dialog ? dialog() : nullptr;
}

void CmipAgent::set_name_list()
{
    get_fdn_table(entity_ids());
    entities_read = true;
    if (view())
        view()->set_names(entity_ids());
}

void CmipAgent::entity_added(const RWCString& id)
{
    entity_ids().push_back(id);
    if (CmipAgentView* v = view())
        v->add_name(id);
}

void CmipAgent::fill_defaults(const RWCString& text)
{
    if (!entities_read)
        set_name_list();
    name_ = entity_name_loosely(text);
    if (!name_.empty())
        get_mo(0);
    show();
}

void CmipAgent::show()
{
    CmipAgentView* v = view();
    if (!v)
        return;
    CmipFields f;
    f.agent_dns = agent_dns_;
    f.selected_dn = object_path_;
    f.mpa_default = mpa_default_ != 0;
    f.mpa_host = mpa_host_;
    f.mpa_port = mpa_port_;
    f.presentation_selector = presentation_selector_;
    f.session_selector = session_selector_;
    f.transport_selector = transport_selector_;
    f.network_sap = network_sap_;
    f.name_translation = name_translation_;
    f.ae_title_on = address_tag_ == kTagWithTitle;
    f.ap_title = ae_title_;
    f.ae_qualifier = ae_qualifier_;
    f.ae_invoke_id = std::to_string(ae_invoke_id_);
    f.ap_invoke_id = std::to_string(ap_invoke_id_);
    v->show_name(name_);
    v->show_fields(f);
}

QvStatus CmipAgent::refuse(int number, const char* text, const char* code_text) const
{
    agent_report(PROTO_CMIP, cat_text(kToolSet, number, text));
    return QvStatus::failure(kNoName, code_text);
}

QvStatus CmipAgent::get_agent()
{
    CmipAgentView* v = view();
    if (!v)
        return QvStatus::success();
    const RWCString text = v->name_text();
    if (text.empty())
        return QvStatus::failure(kNoName, "");
    name_ = entity_name_from_text(text);
    const CmipFields f = v->read_fields();
    if (!f.selected_dn.empty())
        object_path_ = f.selected_dn;
    else if (!create_managed_obj)
        return refuse(913, "Select an Agent DN in the Agent DNs list, that is to be associated with this toponode",
                      "No Agent DN");
    agent_dns_ = f.agent_dns;
    mpa_default_ = f.mpa_default ? 1 : 0;
    mpa_host_ = mpa_default_ ? RWCString() : f.mpa_host;
    mpa_port_ = mpa_default_ ? RWCString() : strip_blanks(f.mpa_port);
    // The server keeps the port as a number: a text that is none is refused
    // here, before anything is written.
    if (!mpa_default_ && !valid_port(mpa_port_)) {
        agent_report(PROTO_CMIP,
                     cat_format(kToolSet, 840, "The port %s is not a number from 1 to 65535.", f.mpa_port));
        return QvStatus::failure(kNoName, "Bad MPA Port");
    }
    presentation_selector_ = f.presentation_selector;
    session_selector_ = f.session_selector;
    transport_selector_ = f.transport_selector;
    network_sap_ = strip_hex_marker(f.network_sap);
    selectors_entered_ = 1;
    const QvStatus title = take_ae_title(f);
    if (!title)
        return title;
    if (!f.name_translation.empty())
        name_translation_ = f.name_translation;
    return QvStatus::success();
}

QvStatus CmipAgent::take_ae_title(const CmipFields& f)
{
    if (!f.ae_title_on) {
        ae_title_ = kNoTitle;
        ae_qualifier_ = "-1";
        ae_invoke_id_ = -1;
        ap_invoke_id_ = -1;
        address_tag_ = kTagWithoutTitle;
        return QvStatus::success();
    }
    ae_title_ = strip_blanks(f.ap_title);
    if (ae_title_.empty())
        return refuse(6001, "The APTitle field must be filled in when creating the AETitle", "No APTitle");
    RWCString title;
    if (!normalise_ap_title(ae_title_, title))
        return refuse(6000, "Invalid OID used in creating the APTitle.", "Bad APTitle");
    ae_title_ = title;
    view()->show_ap_title(title);
    RWCString qualifier;
    if (!normalise_ae_qualifier(f.ae_qualifier, qualifier))
        return refuse(6002, "Invalid format in the AeQualifier field, an integer value is required.",
                      "Bad AEQualifier Set");
    ae_qualifier_ = qualifier;
    ae_invoke_id_ = invoke_id_value(f.ae_invoke_id);
    ap_invoke_id_ = invoke_id_value(f.ap_invoke_id);
    address_tag_ = kTagWithTitle;
    return QvStatus::success();
}

QvStatus CmipAgent::get_mo(int write)
{
    resolve_system_name();
    platform_dn_ = QvCmipAgentDn(system_name_, name_);
    platform_agent_ = std::make_shared<QvCmipAgent>(platform_dn_, server_connection());
    load_or_default(*platform_agent_, write);
    return QvStatus::success();
}

void CmipAgent::read_attributes()
{
    QvCmipAgent& a = *platform_agent_;
    long port = 0;
    int use_default = 1;
    if (a.get_mpa_address_info(mpa_host_, port, use_default)) {
        mpa_default_ = use_default;
        mpa_port_ = use_default ? RWCString() : std::to_string(port);
    }
    a.get_managed_objects(agent_dns_);
    a.get_presentation_selector(presentation_selector_);
    a.get_session_selector(session_selector_);
    a.get_transport_selector(transport_selector_);
    a.get_network_sap(network_sap_);
    a.get_name_translation(name_translation_);
    long tag = address_tag_;
    if (a.get_agent_address_tag(tag))
        address_tag_ = static_cast<int>(tag);
    a.get_application_entity_title(ae_title_);
    a.get_application_entity_qualifier(ae_qualifier_);
    a.get_application_entity_invoke_id(ae_invoke_id_);
    a.get_application_process_invoke_id(ap_invoke_id_);
}

void CmipAgent::write_attributes()
{
    QvCmipAgent& a = *platform_agent_;
    a.set_mpa_address_info(mpa_host_, std::atol(mpa_port_.c_str()), mpa_default_);
    a.set_managed_objects(agent_dns_);
    a.set_presentation_selector(presentation_selector_);
    a.set_session_selector(session_selector_);
    a.set_transport_selector(transport_selector_);
    a.set_network_sap(network_sap_);
    a.set_name_translation(name_translation_);
    a.set_agent_address_tag(address_tag_);
    a.set_application_entity_title(ae_title_);
    a.set_application_entity_qualifier(ae_qualifier_);
    a.set_application_entity_invoke_id(ae_invoke_id_);
    a.set_application_process_invoke_id(ap_invoke_id_);
}

void CmipAgent::report_failure(const QvStatus& status) const
{
    if (!status)
        agent_report(PROTO_CMIP, get_error_str(status));
}

QvStatus CmipAgent::fill_mo_defaults()
{
    if (!selectors_entered_) {
        presentation_selector_.clear();
        session_selector_.clear();
        transport_selector_.clear();
        network_sap_.clear();
    }
    name_translation_ = "NONE";
    ae_title_ = kNoTitle;
    ae_qualifier_ = "-1";
    ae_invoke_id_ = -1;
    ap_invoke_id_ = -1;
    address_tag_ = kTagWithoutTitle;
    mpa_host_.clear();
    mpa_port_.clear();
    mpa_default_ = 1;
    if (platform_agent_) {
        QvCmipAgent& a = *platform_agent_;
        report_failure(a.set_administrative_state(QvAgentObject::Unlocked));
        report_failure(a.set_application_entity_title(ae_title_));
        report_failure(a.set_agent_address_tag(address_tag_));
    }
    agent_dns_.clear();
    return QvStatus::success();
}

QvStatus CmipAgent::create_mo()
{
    if (name_ == server_name()) {
        const RWCString message = cat_format(kToolSet, 208, "Can't setup connection between %s and %s.", name_,
                                             server_name());
        agent_report(PROTO_CMIP, message);
        return QvStatus::failure(QvStatus::InvalidValue, message);
    }
    if (CmipAgentView* v = view()) {
        const RWCString text = v->name_text();
        if (text.empty())
            return QvStatus::failure(kNoName, "");
        name_ = entity_name_from_text(text);
    }
    if (!platform_agent_) {
        resolve_system_name();
        platform_dn_ = QvCmipAgentDn(system_name_, name_);
        platform_agent_ = std::make_shared<QvCmipAgent>(platform_dn_, server_connection());
        fill_mo_defaults();
    }
    write_address_attributes();
    QvStatus status;
    if (exists_) {
        status = platform_agent_->store_all_attributes();
    } else {
        status = platform_agent_->create_with_all_attributes();
        if (status)
            exists_ = 1;
    }
    report_failure(status);
    return status;
}

void CmipAgent::write_address_attributes()
{
    QvCmipAgent& a = *platform_agent_;
    report_failure(a.set_mpa_address_info(mpa_host_, std::atol(mpa_port_.c_str()), mpa_default_));
    report_failure(a.set_managed_objects(agent_dns_));
    report_failure(a.set_presentation_selector(presentation_selector_));
    report_failure(a.set_session_selector(session_selector_));
    report_failure(a.set_transport_selector(transport_selector_));
    report_failure(a.set_network_sap(network_sap_));
    report_failure(a.set_name_translation(name_translation_));
    report_failure(a.set_agent_address_tag(address_tag_));
    report_failure(a.set_application_entity_title(ae_title_));
    report_failure(a.set_application_entity_qualifier(ae_qualifier_));
    report_failure(a.set_application_entity_invoke_id(ae_invoke_id_));
    report_failure(a.set_application_process_invoke_id(ap_invoke_id_));
    report_failure(a.set_agent_address_info("{" + presentation_selector_ + "," + session_selector_ + "," +
                                            transport_selector_ + "," + network_sap_ + "}"));
}

void CmipAgent::delete_mo(int count, const int* positions)
{
    RWTValSlist<RWCString>& ids = entity_ids();
    RWTValSlist<RWCString> deleted;
    const RWCString system = QvTopoPlatform::instance() ? QvTopoPlatform::instance()->local_system_name() : "";
    for (int i = count - 1; i >= 0; --i) {
        const int at = positions[i] - 1;
        if (at < 0 || at >= static_cast<int>(ids.size()))
            continue;
        const RWCString id = ids[static_cast<std::size_t>(at)];
        QvCmipAgent(QvCmipAgentDn(system, entity_name_from_text(id)), server_connection()).destroy();
        if (view())
            view()->remove_name(id);
        deleted.push_back(id);
    }
    // Gone from the server, so offered no more (the combo and the delete
    // list both show this list).
    for (const RWCString& id : deleted) {
        const auto it = std::find(ids.begin(), ids.end(), id);
        if (it != ids.end())
            ids.erase(it);
    }
}
