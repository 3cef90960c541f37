#include "agents/SnmpAgent.hpp"

#include "agents/AgentContext.hpp"
#include "agents/AgentViews.hpp"
#include "agents/FieldRules.hpp"
#include "agents/HostAddress.hpp"
#include "agents/RepositoryDocuments.hpp"
#include "agents/StatusText.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"

namespace {

const char kDefaultCommunity[] = "gusset";

}  // namespace

SnmpAgent::SnmpAgent() : AgentMo(PROTO_SNMP)
{
    if (!may_write_agents() && view())
        view()->set_writable(false);
    fill_defaults("");
}

SnmpAgent::SnmpAgent(const RWCString& object_name, const RWCString& dn) : AgentMo(PROTO_SNMP)
{
    // The name starts just past snmpProxyAgentId= and its opening quote.
    const auto at = dn.find("snmpProxy");
    if (at != RWCString::npos)
        parse_quoted_name(dn, at + 17, object_name);
    port_.clear();
    read_community_.clear();
    write_community_.clear();
    if (!may_write_agents() && view())
        view()->set_writable(false);
}

SnmpAgentView* SnmpAgent::view() const
{
    const auto& dialog = agent_context().snmp;
    return dialog ? dialog() : nullptr;
}

void SnmpAgent::fill_defaults(const RWCString& name)
{
    name_ = name;
    if (!name_.empty())
        get_mo(0);
    show();
}

void SnmpAgent::show()
{
    SnmpAgentView* v = view();
    if (!v)
        return;
    v->show_host(name_);
    v->set_path_sensitive(!create_managed_obj);
    v->show_fields({object_path_, ip_address_, port_, read_community_, write_community_, version_, supported_mibs_});
}

QvStatus SnmpAgent::get_agent()
{
    SnmpAgentView* v = view();
    if (!v)
        return QvStatus::success();
    const RWCString host = v->host();
    if (host.empty())
        return QvStatus::failure(14, "No Name");
    name_ = host;
    const SnmpFields fields = v->read_fields();
    object_path_ = fields.object_path;
    ip_address_ = fields.ip_address;
    port_ = fields.port;
    take_read_community(fields.read_community);
    v->show_host(name_);
    write_community_ = fields.write_community;
    version_ = fields.version ? 1 : 0;
    supported_mibs_ = fields.mibs;
    return QvStatus::success();
}

void SnmpAgent::take_read_community(const RWCString& community)
{
    if (community == read_community_)
        return;
    default_ = 0;
    if (read_community_ == kDefaultCommunity) {
        name_ += "_" + community;
    } else {
        const std::size_t suffix = read_community_.size() + 1;
        if (name_.size() > suffix)
            name_.erase(name_.size() - suffix);
        // Back to the default community: the host's own name again, the
        // object's default agent when it is named after the object.
        if (community == kDefaultCommunity)
            default_ = name_ == first_object_name() ? 1 : 0;
        else
            name_ += "_" + community;
    }
    read_community_ = community;
}

QvStatus SnmpAgent::get_mo(int write)
{
    resolve_default_name();
    resolve_system_name();
    platform_dn_ = QvSnmpAgentDn(system_name_, name_);
    platform_agent_ = std::make_shared<QvSnmpAgent>(platform_dn_, server_connection());
    load_or_default(*platform_agent_, write);
    loaded_ = true;
    return QvStatus::success();
}

void SnmpAgent::read_attributes()
{
    QvSnmpAgent& a = *platform_agent_;
    a.get_get_community_string(read_community_);
    a.get_set_community_string(write_community_);
    RWCString address;
    if (a.get_transport_address(address)) {
        const auto colon = address.find(':');
        ip_address_ = colon == RWCString::npos ? address : address.substr(0, colon);
        port_ = colon == RWCString::npos ? address : address.substr(colon + 1);
    }
    a.get_supported_mibs(supported_mibs_);
    QvSnmpAgent::ManagementProtocol protocol = QvSnmpAgent::SnmpV1;
    if (a.get_management_protocol(protocol))
        version_ = protocol;
}

void SnmpAgent::write_attributes()
{
    QvSnmpAgent& a = *platform_agent_;
    a.set_get_community_string(read_community_);
    a.set_set_community_string(write_community_);
    a.set_transport_address(transport_address());
    a.set_supported_mibs(supported_mibs_);
    a.set_management_protocol(version_);
}

void SnmpAgent::report_failure(const QvStatus& status) const
{
    if (!status)
        agent_report(PROTO_SNMP, get_error_str(status));
}

QvStatus SnmpAgent::fill_mo_defaults()
{
    if (read_community_.empty())
        read_community_ = kDefaultCommunity;
    write_community_ = "lantern";
    if (!name_.empty())
        ip_address_ = get_address(name_);
    port_ = "161";
    if (!platform_agent_)
        return QvStatus::failure(QvStatus::NotLoaded, "No SNMP agent object");
    QvSnmpAgent& a = *platform_agent_;
    report_failure(a.set_get_community_string(read_community_));
    report_failure(a.set_set_community_string(write_community_));
    supported_mibs_ = {"IIMCRFC1213-MIB"};
    report_failure(a.set_supported_mibs(supported_mibs_));
    report_failure(a.set_management_protocol(version_));
    report_failure(a.set_system_title("1.2.3.1"));
    report_failure(a.set_administrative_state(QvAgentObject::Unlocked));
    report_failure(a.set_access_control_enforcement(1));
    report_failure(a.set_access_control_mechanism(1));
    if (!name_.empty())
        a.set_transport_address(transport_address());
    return QvStatus::success();
}

QvStatus SnmpAgent::create_mo()
{
    if (!loaded_ || !platform_agent_)
        get_mo(0);
    QvSnmpAgent& a = *platform_agent_;
    report_failure(a.set_get_community_string(read_community_));
    report_failure(a.set_set_community_string(write_community_));
    report_failure(a.set_management_protocol(version_));
    QvStatus status = a.set_transport_address(transport_address());
    if (!status) {
        agent_report(PROTO_SNMP, cat_format(kToolSet, 837, "Can't determine IP Address for %s", name_));
        return status;
    }
    report_failure(a.set_supported_mibs(supported_mibs_));
    if (exists_) {
        status = a.store_all_attributes();
    } else {
        status = a.create_with_all_attributes();
        if (status)
            exists_ = 1;
    }
    report_failure(status);
    return status;
}

QvStatus SnmpAgent::check_fields() const
{
    if (valid_port(port_))
        return QvStatus::success();
    return QvStatus::failure(QvStatus::InvalidValue,
                             cat_format(kToolSet, 840, "The port %s is not a number from 1 to 65535.", port_));
}

RWTValSlist<RWCString>& SnmpAgent::get_mib_list()
{
    all_mibs_ = scan_documents(fetch_all_documents(), {"-MIB"});
    return all_mibs_;
}
