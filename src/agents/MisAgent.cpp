#include "agents/MisAgent.hpp"

#include "agents/AgentContext.hpp"
#include "agents/AgentViews.hpp"
#include "agents/FieldRules.hpp"
#include "agents/StatusText.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "protocol/Dn.hpp"

namespace {

const char kLocalHost[] = "localhost";
const char kDefaultPort[] = "5555";

// Whether the system list was ever read: the dialog offers the server's
// systems from its first use on.
bool systems_read = false;

}  // namespace

MisAgent::MisAgent() : AgentMo(PROTO_MIS)
{
    set_name_list();
    if (!may_write_agents() && view())
        view()->set_writable(false);
    fill_defaults("");
}

MisAgent::MisAgent(const RWCString& object_name, const RWCString& dn, const RWCString& server)
    : AgentMo(PROTO_MIS)
{
    const auto at = dn.find("systemId");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 9, object_name);
    if (name_ == server || name_ == kLocalHost) {
        name_ = server;
        local_ = true;
    }
    if (!may_write_agents() && view())
        view()->set_writable(false);
}

MisAgentView* MisAgent::view() const
{
    const auto& dialog = agent_context().mis;
    return dialog ? dialog() : nullptr;
}

RWCString MisAgent::system_dn(const RWCString& host) { return "/systemId=name:" + qv::dn::quote(host); }

void MisAgent::set_name_list()
{
    RWTValSlist<RWCString> names;
    if (QvTopoPlatform::instance())
        names = QvTopoPlatform::instance()->system_names();
    systems_read = true;
    if (view())
        view()->set_names(names);
}

void MisAgent::take_name(const RWCString& name)
{
    local_ = name == server_name() || name == kLocalHost;
    name_ = local_ ? server_name() : name;
}

void MisAgent::fill_defaults(const RWCString& name)
{
    if (!systems_read)
        set_name_list();
    take_name(name);
    if (!local_ && !name_.empty())
        get_mo(0);
    show();
}

void MisAgent::show()
{
    MisAgentView* v = view();
    if (!v)
        return;
    v->show_name(name_);
    v->set_path_sensitive(!create_managed_obj);
    v->show_fields({object_path_, port_});
}

QvStatus MisAgent::get_agent()
{
    MisAgentView* v = view();
    if (!v)
        return QvStatus::success();
    const RWCString text = strip_blanks(v->name_text());
    // A name typed anew: "localhost" is the server's own MIS, the server's
    // name typed out is refused at Apply.
    if (text != name_) {
        local_ = text == kLocalHost;
        name_ = local_ ? server_name() : text;
    }
    const MisFields fields = v->read_fields();
    object_path_ = fields.object_path;
    port_ = strip_blanks(fields.port);
    return QvStatus::success();
}

QvStatus MisAgent::check_fields() const
{
    if (local_ || valid_port(port_))
        return QvStatus::success();
    return QvStatus::failure(QvStatus::InvalidValue,
                             cat_format(kToolSet, 840, "The port %s is not a number from 1 to 65535.", port_));
}

QvStatus MisAgent::get_mo(int write)
{
    // The server's own MIS is never read nor written.
    if (local_)
        return QvStatus::success();
    resolve_default_name();
    resolve_system_name();
    platform_dn_ = QvCmipAgentDn(system_name_, name_);
    platform_agent_ = std::make_shared<QvCmipAgent>(platform_dn_, server_connection());
    QvCmipAgent& a = *platform_agent_;
    const bool found = static_cast<bool>(a.exists());
    if (found) {
        a.load_all_attributes();
        if (write) {
            a.set_managed_objects({"/systemId=" + qv::dn::quote(name_) + object_path_});
            a.set_network_sap(network_sap());
        } else {
            RWTValSlist<RWCString> managed;
            a.get_managed_objects(managed);
            RWCString sap;
            if (a.get_network_sap(sap)) {
                const auto colon = sap.find(':');
                port_ = colon == RWCString::npos ? sap : sap.substr(colon + 1);
            }
        }
    } else {
        fill_mo_defaults();
        if (write) {
            get_agent();
            a.set_managed_objects({system_dn(name_) + object_path_});
            a.set_network_sap(network_sap());
        }
    }
    exists_ = found ? 1 : 0;
    return QvStatus::success();
}

void MisAgent::report_failure(const QvStatus& status) const
{
    if (!status)
        agent_report(PROTO_MIS, get_error_str(status));
}

QvStatus MisAgent::fill_mo_defaults()
{
    if (!platform_agent_)
        return QvStatus::failure(QvStatus::NotLoaded, "No MIS agent object");
    QvCmipAgent& a = *platform_agent_;
    report_failure(a.set_presentation_selector(""));
    report_failure(a.set_session_selector(""));
    report_failure(a.set_transport_selector(""));
    report_failure(a.set_name_translation("NONE"));
    report_failure(a.set_agent_address_tag(8));
    report_failure(a.set_application_entity_qualifier("-1"));
    report_failure(a.set_application_entity_invoke_id(-1));
    report_failure(a.set_application_process_invoke_id(-1));
    report_failure(a.set_administrative_state(QvAgentObject::Unlocked));
    report_failure(a.set_application_entity_title("{ 1 1 1 1 }"));
    report_failure(a.set_agent_address_tag(8));
    return QvStatus::success();
}

QvStatus MisAgent::create_mo()
{
    if (local_)
        return QvStatus::success();
    if (name_ == server_name()) {
        const RWCString message =
            cat_format(kToolSet, 208, "Can't setup connection between %s and %s.", name_, server_name());
        agent_report(PROTO_MIS, message);
        return QvStatus::failure(QvStatus::InvalidValue, message);
    }
    // The platform object must be this MIS's: the dialog may have been
    // given another host since one was last loaded.
    if (!platform_agent_ || platform_dn_.unique_name() != name_)
        get_mo(1);
    QvCmipAgent& a = *platform_agent_;
    report_failure(a.set_network_sap(network_sap()));
    const RWCString mis = system_dn(name_);
    RWTValSlist<RWCString> managed{mis};
    if (!object_path_.empty() && object_path_ != mis)
        managed.push_back(mis + object_path_);
    report_failure(a.set_managed_objects(managed));
    report_failure(a.set_agent_address_info("{,,," + network_sap() + "}"));
    QvStatus status;
    if (exists_) {
        status = a.store_all_attributes();
    } else {
        status = a.create_with_all_attributes();
        if (status) {
            if (view())
                view()->add_name(name_);
            exists_ = 1;
        }
    }
    report_failure(status);
    return status;
}
