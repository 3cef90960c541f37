#include "platform/QvRpcAgent.hpp"

#include "platform/ReplyReader.hpp"

QvStatus QvRpcAgent::get_schemas(RWTValSlist<Schema>& schemas) const
{
    nlohmann::json v;
    QvStatus st = get_attribute("schemas", v);
    if (!st)
        return st;
    if (!v.is_array())
        return QvStatus::failure(QvStatus::InvalidValue, "The schemas attribute is not a list");
    const nlohmann::json none = nlohmann::json::object();
    ReplyReader reader(none, "the schemas");
    RWTValSlist<Schema> read;
    for (const auto& s : v) {
        ReplyReader schema = reader.item(s, "a schema");
        std::string name = schema.text("name");
        read.emplace_back(std::move(name), schema.text("host"));
    }
    if (!reader.ok())
        return QvStatus::failure(QvStatus::InvalidValue, reader.problem());
    schemas = std::move(read);
    return st;
}

QvStatus QvRpcAgent::set_schemas(const RWTValSlist<Schema>& schemas)
{
    nlohmann::json v = nlohmann::json::array();
    for (const Schema& s : schemas)
        v.push_back({{"name", s.name}, {"host", s.host}});
    return put("schemas", v);
}
