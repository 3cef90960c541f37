// The parameters of one request, read with the protocol's error codes: a
// missing or mistyped parameter is code 1, a name that is no DN code 9.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace qv::server {

class Params {
public:
    explicit Params(const nlohmann::json& request) : j_(request) {}

    bool has(const std::string& name) const { return j_.contains(name) && !j_[name].is_null(); }
    std::string text(const std::string& name) const;
    std::string text_or(const std::string& name, const std::string& fallback) const;
    // A DN in canonical spelling; relative names are taken below base when given.
    std::string dn(const std::string& name) const;
    std::vector<std::string> strings(const std::string& name) const;
    std::vector<std::string> strings_or_empty(const std::string& name) const;
    std::int64_t integer(const std::string& name) const;
    bool flag_or(const std::string& name, bool fallback) const;
    const nlohmann::json& object(const std::string& name) const;
    const nlohmann::json& object_or_empty(const std::string& name) const;

private:
    const nlohmann::json& required(const std::string& name) const;
    const nlohmann::json& j_;
};

}  // namespace qv::server
