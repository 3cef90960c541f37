#include "agents/AgentMo.hpp"

#include "agents/AgentContext.hpp"
#include "platform/QvAgentDn.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/Catalogue.hpp"
#include "protocol/Dn.hpp"

RWCString AgentMo::get_proto_str() const
{
    switch (protocol_) {
    case PROTO_CMIP: return "CMIP";
    case PROTO_MIS: return "MIS";
    case PROTO_RPC: return "RPC";
    case PROTO_SNMP: return "SNMP";
    default: return "Normal";
    }
}

void AgentMo::set_proto_from_str(const char* text)
{
    switch (text ? text[0] : '\0') {
    case 'C': protocol_ = PROTO_CMIP; break;
    case 'M': protocol_ = PROTO_MIS; break;
    case 'R': protocol_ = PROTO_RPC; break;
    case 'S': protocol_ = PROTO_SNMP; break;
    default: protocol_ = PROTO_NONE; break;
    }
}

void AgentMo::set_name(const char* name)
{
    name_ = name ? name : "";
    default_ = name_.find("Def") != RWCString::npos ? 1 : 0;
}

RWCString AgentMo::get_dn(const RWCString& system, const RWCString& object_name) const
{
    return root_dn(system, default_ ? object_name : name_) + object_path_;
}

RWCString AgentMo::root_dn(const RWCString& system, const RWCString& name) const
{
    switch (protocol_) {
    case PROTO_MIS:
        return "/systemId=name:" + qv::dn::quote(name);
    case PROTO_RPC:
        return QvRpcAgentDn(system, name).to_string();
    case PROTO_SNMP:
        return QvSnmpAgentDn(system, name).to_string();
    default:
        return RWCString();
    }
}

QvStatus AgentMo::check_dn(const RWCString& system, const RWCString& object_name) const
{
    const RWCString dn = get_dn(system, object_name);
    if (dn.size() <= kMaxDnLength)
        return QvStatus::success();
    const RWCString shown = default_ ? object_name : name_;
    return QvStatus::failure(QvStatus::BadArgument,
                             cat_format(kToolSet, 839, "The name of the agent %s and its object path are too long.",
                                        shown.substr(0, 60)));
}

bool AgentMo::operator==(const AgentMo& other) const
{
    return protocol_ == other.protocol_ && name_ == other.name_;
}

bool AgentMo::is_listed_as(const AgentMo& listed, const RWCString& first_object) const
{
    if (listed.protocol_ != protocol_)
        return false;
    const bool same_path = listed.object_path_ == object_path_;
    return (listed.name_ == name_ && same_path) || (listed.default_ && default_ && same_path) ||
           (default_ && !listed.default_ && listed.name_ == first_object && listed.object_path_.empty());
}

void AgentMo::parse_quoted_name(const RWCString& dn, RWCString::size_type from, const RWCString& object_name)
{
    name_.clear();
    object_path_.clear();
    if (from > dn.size())
        return;
    const auto open = dn.find('"', from);
    if (open == RWCString::npos)
        return;
    const auto close = dn.find('"', open + 1);
    if (close == RWCString::npos) {
        name_ = dn.substr(open + 1);
        return;
    }
    name_ = dn.substr(open + 1, close - open - 1);
    object_path_ = dn.substr(close + 1);
    default_ = name_ == object_name ? 1 : 0;
}

void AgentMo::resolve_default_name()
{
    if (name_.find(kDefaultName) != RWCString::npos)
        name_ = first_object_name();
}

void AgentMo::resolve_system_name()
{
    if (system_name_.empty() && QvTopoPlatform::instance())
        system_name_ = QvTopoPlatform::instance()->local_system_name();
}

void AgentMo::load_or_default(QvObject& object, int write)
{
    const bool found = static_cast<bool>(object.exists());
    if (found) {
        object.load_all_attributes();
        if (write)
            write_attributes();
        else
            read_attributes();
    } else {
        fill_mo_defaults();
        if (write) {
            get_agent();
            write_attributes();
        }
    }
    exists_ = found ? 1 : 0;
}

std::shared_ptr<AgentMo> share_agent(AgentMo* agent)
{
    if (!agent)
        return nullptr;
    std::shared_ptr<AgentMo> owner = agent->weak_from_this().lock();
    return owner ? owner : std::shared_ptr<AgentMo>(agent);
}

namespace {

// Whether dn holds systemId=, letters and digits, an optional ":" and a
// double quote: the start of an MIS agent's quoted object name.
bool names_mis_system(const RWCString& dn)
{
    static const RWCString key = "systemId=";
    for (auto at = dn.find(key); at != RWCString::npos; at = dn.find(key, at + 1)) {
        auto i = at + key.size();
        while (i < dn.size() && ((dn[i] >= 'a' && dn[i] <= 'z') || (dn[i] >= 'A' && dn[i] <= 'Z') ||
                                 (dn[i] >= '0' && dn[i] <= '9')))
            ++i;
        if (i < dn.size() && dn[i] == ':')
            ++i;
        if (i < dn.size() && dn[i] == '"')
            return true;
    }
    return false;
}

}  // namespace

ProtocolType classify_agent_dn(const RWCString& dn)
{
    if (dn.find("snmpProxy") != RWCString::npos)
        return PROTO_SNMP;
    if (dn.find("RPC\"/") != RWCString::npos)
        return PROTO_RPC;
    if (names_mis_system(dn))
        return PROTO_MIS;
    return PROTO_CMIP;
}
