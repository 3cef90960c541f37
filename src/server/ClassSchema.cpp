#include "server/ClassSchema.hpp"

#include <algorithm>

#include "server/JsonCheck.hpp"
#include "server/TypeCatalog.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

[[noreturn]] void unknown(const std::string& cls, const std::string& attr)
{
    throw RequestError(ErrorCode::InvalidValue, "class " + cls + " has no attribute \"" + attr + "\"");
}

bool one_of(const std::string& s, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return s == n; });
}

json dn_list(const json& value, const std::string& what)
{
    json out = json::array();
    for (const auto& item : check::array(value, what))
        out.push_back(check::dn(item, what));
    return out;
}

json schemas(const json& value)
{
    json out = json::array();
    for (const auto& item : check::array(value, "schemas")) {
        check::object(item, "schemas");
        check::only_members(item, {"name", "host"}, "schemas");
        out.push_back(json{{"name", check::string(check::member(item, "name", "schemas"), "schemas.name")},
                           {"host", check::string(check::member(item, "host", "schemas"), "schemas.host")}});
    }
    return out;
}

json mpa_address(const json& value)
{
    check::object(value, "mpaAddressInfo");
    check::only_members(value, {"host", "port", "default"}, "mpaAddressInfo");
    json out = json::object();
    auto host = value.find("host");
    out["host"] = host == value.end() ? "" : check::string(*host, "mpaAddressInfo.host");
    auto port = value.find("port");
    out["port"] = port == value.end() ? 0 : check::integer(*port, "mpaAddressInfo.port", 0, 65535);
    auto def = value.find("default");
    out["default"] = def == value.end() ? false : check::boolean(*def, "mpaAddressInfo.default");
    return out;
}

}  // namespace

bool ClassSchema::is_agent_class(const std::string& cls)
{
    return cls == "snmpProxyAgent" || cls == "rpcProxyAgent" || cls == "cmipAgentEntity";
}

bool ClassSchema::is_described(const std::string& cls)
{
    return is_agent_class(cls) || cls == "topoType" || cls == "mdr";
}

std::string ClassSchema::naming_attribute(const std::string& cls)
{
    if (cls == "snmpProxyAgent")
        return "cmipsnmpProxyAgentId";
    if (cls == "rpcProxyAgent" || cls == "cmipAgentEntity")
        return "agentId";
    if (cls == "topoType")
        return "topoTypeId";
    if (cls == "topoNode")
        return "topoNodeId";
    if (cls == "system")
        return "systemId";
    return {};
}

json ClassSchema::normalize(const std::string& cls, const std::string& attr, const json& value)
{
    if (is_agent_class(cls))
        return agent_value(cls, attr, value);
    if (cls == "topoType")
        return type_value(attr, value);
    if (cls == "mdr") {
        if (attr != "documents")
            unknown(cls, attr);
        return check::strings(value, attr);
    }
    return value;
}

json ClassSchema::agent_value(const std::string& cls, const std::string& attr, const json& value)
{
    if (one_of(attr, {"getCommunity", "setCommunity"}))
        return check::string(value, attr);
    if (attr == "administrativeState")
        return check::integer(value, attr, 0, 2);
    if (cls == "snmpProxyAgent") {
        if (one_of(attr, {"transportAddress", "systemTitle"}))
            return check::string(value, attr);
        if (attr == "supportedMibs")
            return check::strings(value, attr);
        if (attr == "managementProtocol")
            return check::integer(value, attr, 0, 1);
        if (one_of(attr, {"accessControlEnforcement", "accessControlMechanism"}))
            return check::integer(value, attr, check::kInt32Min, check::kInt32Max);
        unknown(cls, attr);
    }
    if (cls == "rpcProxyAgent") {
        if (attr == "schemas")
            return schemas(value);
        unknown(cls, attr);
    }
    return cmip_value(attr, value);
}

json ClassSchema::cmip_value(const std::string& attr, const json& value)
{
    if (one_of(attr, {"agentId", "presentationSelector", "sessionSelector", "transportSelector", "networkSap",
                      "applicationEntityTitle", "agentAddressInfo"}))
        return check::string(value, attr);
    if (attr == "applicationEntityQualifier") {
        // The tool keeps the qualifier as text; a number is accepted and kept as text.
        if (value.is_number_integer())
            return std::to_string(value.get<std::int64_t>());
        return check::string(value, attr);
    }
    if (attr == "mpaAddressInfo")
        return mpa_address(value);
    if (attr == "managedObjects")
        return dn_list(value, attr);
    if (attr == "nameTranslation") {
        const std::string& t = check::string(value, attr);
        if (!one_of(t, {"NONE", "LDN", "FDN"}))
            check::fail(attr, "NONE, LDN or FDN");
        return t;
    }
    if (attr == "agentAddressTag") {
        const auto tag = check::integer(value, attr, 0, 255);
        if (tag != 8 && tag != 24)
            check::fail(attr, "8 or 24");
        return tag;
    }
    if (one_of(attr, {"applicationEntityInvokeId", "applicationProcessInvokeId"}))
        return check::integer(value, attr, check::kInt32Min, check::kInt32Max);
    unknown("cmipAgentEntity", attr);
}

json ClassSchema::type_value(const std::string& attr, const json& value)
{
    if (attr == "name")
        return check::string(value, attr);
    if (attr == "kinds") {
        json out = json::array();
        const auto& words = TypeCatalog::kind_words();
        for (const auto& kind : check::strings(value, attr)) {
            if (std::find(words.begin(), words.end(), kind) == words.end())
                check::fail(attr, "kinds among view, device, monitor, array, link, bus, container, not \"" + kind +
                                      "\"");
            if (std::find(out.begin(), out.end(), json(kind)) == out.end())
                out.push_back(kind);
        }
        return out;
    }
    if (attr == "attributes") {
        auto names = check::strings(value, attr);
        for (const auto& name : names)
            if (!syntaxes_.find(name))
                throw RequestError(ErrorCode::InvalidValue,
                                   "attributes: the stored-data attribute " + name + " has no syntax");
        return names;
    }
    unknown("topoType", attr);
}

}  // namespace qv::server
