#include "platform/QvCmipAgent.hpp"

#include "platform/ReplyReader.hpp"

void QvCmipAgent::read_mpa_address_info(ReplyReader& v, RWCString& host, long& port, int& use_default)
{
    host = v.text_or("host", "");
    port = static_cast<long>(v.integer_or("port", 0, 0, 65535));
    use_default = v.flag_or("default", true) ? 1 : 0;
}

QvStatus QvCmipAgent::get_mpa_address_info(RWCString& host, long& port, int& use_default) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("mpaAddressInfo", v);
    if (!st)
        return st;
    ReplyReader reader(v, "the MPA address");
    RWCString h;
    long p = 0;
    int d = 0;
    read_mpa_address_info(reader, h, p, d);
    if (!reader.ok())
        return QvStatus::failure(QvStatus::InvalidValue, reader.problem());
    host = h;
    port = p;
    use_default = d;
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
