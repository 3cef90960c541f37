// The attributes of the managed-object classes other than topology nodes:
// agents, topology types and the metadata repository. Objects of classes not
// named here take any attributes.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "server/SyntaxStore.hpp"

namespace qv::server {

class ClassSchema {
public:
    explicit ClassSchema(SyntaxStore& syntaxes) : syntaxes_(syntaxes) {}

    static bool is_agent_class(const std::string& cls);
    // True when the class has a fixed set of attributes.
    static bool is_described(const std::string& cls);
    // The attribute naming the object in its DN's last component, "" when any goes.
    static std::string naming_attribute(const std::string& cls);

    // The canonical form of a value; RequestError (code 6) when the class has
    // no such attribute or the value does not fit.
    nlohmann::json normalize(const std::string& cls, const std::string& attr, const nlohmann::json& value);

private:
    nlohmann::json agent_value(const std::string& cls, const std::string& attr, const nlohmann::json& value);
    nlohmann::json cmip_value(const std::string& attr, const nlohmann::json& value);
    nlohmann::json type_value(const std::string& attr, const nlohmann::json& value);

    SyntaxStore& syntaxes_;
};

}  // namespace qv::server
