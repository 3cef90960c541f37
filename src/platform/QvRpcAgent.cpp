#include "platform/QvRpcAgent.hpp"

QvStatus QvRpcAgent::get_schemas(RWTValSlist<Schema>& schemas) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("schemas", v);
    if (!st)
        return st;
    if (!v.is_array())
        return QvStatus::failure(QvStatus::InvalidValue, "The schemas attribute is not a list");
    schemas.clear();
    for (const auto& s : v)
        if (s.is_object())
            schemas.emplace_back(s.value("name", std::string()), s.value("host", std::string()));
    return st;
}

QvStatus QvRpcAgent::set_schemas(const RWTValSlist<Schema>& schemas)
{
    nlohmann::json v = nlohmann::json::array();
    for (const Schema& s : schemas)
        v.push_back({{"name", s.name}, {"host", s.host}});
    return put("schemas", v);
}
