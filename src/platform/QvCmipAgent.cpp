#include "platform/QvCmipAgent.hpp"

QvStatus QvCmipAgent::get_mpa_address_info(RWCString& host, long& port, int& use_default) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("mpaAddressInfo", v);
    if (!st)
        return st;
    if (!v.is_object())
        return QvStatus::failure(QvStatus::InvalidValue, "The MPA address is not a record");
    host = v.value("host", std::string());
    port = v.value("port", 0L);
    use_default = v.value("default", true) ? 1 : 0;
    return st;
}

QvStatus QvCmipAgent::set_mpa_address_info(const RWCString& host, long port, int use_default)
{
    return put("mpaAddressInfo", {{"host", host}, {"port", port}, {"default", use_default != 0}});
}

QvStatus QvCmipAgent::set_name_translation(const RWCString& v)
{
    if (v != "NONE" && v != "LDN" && v != "FDN")
        return QvStatus::failure(QvStatus::InvalidValue, "Name translation must be NONE, LDN or FDN, not \"" + v + "\"");
    return put("nameTranslation", v);
}

QvStatus QvCmipAgent::set_agent_address_tag(long tag)
{
    if (tag != 8 && tag != 24)
        return QvStatus::failure(QvStatus::InvalidValue,
                                 "The agent address tag must be 8 or 24, not " + std::to_string(tag));
    return put("agentAddressTag", tag);
}
