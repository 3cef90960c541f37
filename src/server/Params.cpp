#include "server/Params.hpp"

#include "server/JsonCheck.hpp"

namespace qv::server {

const nlohmann::json& Params::required(const std::string& name) const
{
    auto it = j_.find(name);
    if (it == j_.end() || it->is_null())
        throw RequestError(ErrorCode::Malformed, "the parameter \"" + name + "\" is missing");
    return *it;
}

std::string Params::text(const std::string& name) const
{
    return check::string(required(name), name, ErrorCode::Malformed);
}

std::string Params::text_or(const std::string& name, const std::string& fallback) const
{
    return has(name) ? text(name) : fallback;
}

std::string Params::dn(const std::string& name) const { return check::dn(required(name), name); }

std::vector<std::string> Params::strings(const std::string& name) const
{
    return check::strings(required(name), name, ErrorCode::Malformed);
}

std::vector<std::string> Params::strings_or_empty(const std::string& name) const
{
    return has(name) ? strings(name) : std::vector<std::string>{};
}

std::int64_t Params::integer(const std::string& name) const
{
    return check::integer(required(name), name, INT64_MIN, INT64_MAX, ErrorCode::Malformed);
}

bool Params::flag_or(const std::string& name, bool fallback) const
{
    return has(name) ? check::boolean(required(name), name, ErrorCode::Malformed) : fallback;
}

const nlohmann::json& Params::object(const std::string& name) const
{
    return check::object(required(name), name, ErrorCode::Malformed);
}

const nlohmann::json& Params::object_or_empty(const std::string& name) const
{
    static const nlohmann::json empty = nlohmann::json::object();
    return has(name) ? object(name) : empty;
}

}  // namespace qv::server
