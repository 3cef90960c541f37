#include "platform/QvAgentDn.hpp"

#include "protocol/Dn.hpp"

const QvAgentDn::Form QvSnmpAgentDn::kForm{"internetClassId", "{1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}",
                                           "cmipsnmpProxyAgentId", ""};
const QvAgentDn::Form QvRpcAgentDn::kForm{"agentTableType", "\"RPC\"", "agentId", "id:"};
const QvAgentDn::Form QvCmipAgentDn::kForm{"agentTableType", "\"CMIP\"", "agentId", "id:"};

std::string QvAgentDn::to_string() const
{
    if (!form_)
        return {};
    return "/systemId=name:" + qv::dn::quote(system_) + "/" + form_->middle_attr + "=" + form_->middle_value + "/" +
           form_->key_attr + "=" + form_->key_tag + qv::dn::quote(name_);
}

bool QvAgentDn::parse(const Form& form, const std::string& text, RWCString& system, RWCString& name)
{
    auto parsed = qv::dn::parse(text);
    if (!parsed)
        return false;
    auto dn = qv::dn::canonical(*parsed);
    if (!dn || !dn->absolute || dn->size() != 3 || dn->rdns[0].attr != "systemId")
        return false;
    if (dn->rdns[1].attr != form.middle_attr || dn->rdns[1].value != form.middle_value ||
        dn->rdns[2].attr != form.key_attr)
        return false;
    system = qv::dn::value_text(dn->rdns[0].value);
    name = qv::dn::value_text(dn->rdns[2].value);
    return !system.empty() && !name.empty();
}

QvSnmpAgentDn QvSnmpAgentDn::from_string(const std::string& text)
{
    RWCString system, name;
    return parse(kForm, text, system, name) ? QvSnmpAgentDn(system, name) : QvSnmpAgentDn();
}

QvRpcAgentDn QvRpcAgentDn::from_string(const std::string& text)
{
    RWCString system, name;
    return parse(kForm, text, system, name) ? QvRpcAgentDn(system, name) : QvRpcAgentDn();
}

QvCmipAgentDn QvCmipAgentDn::from_string(const std::string& text)
{
    RWCString system, name;
    return parse(kForm, text, system, name) ? QvCmipAgentDn(system, name) : QvCmipAgentDn();
}
