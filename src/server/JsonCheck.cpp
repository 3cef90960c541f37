#include "server/JsonCheck.hpp"

#include <algorithm>
#include <cmath>

#include "protocol/Dn.hpp"

namespace qv::server::check {

void fail(const std::string& what, const std::string& expected, ErrorCode code)
{
    throw RequestError(code, what + ": expected " + expected);
}

const std::string& string(const nlohmann::json& v, const std::string& what, ErrorCode code)
{
    if (!v.is_string())
        fail(what, "a string", code);
    return v.get_ref<const std::string&>();
}

bool boolean(const nlohmann::json& v, const std::string& what, ErrorCode code)
{
    if (!v.is_boolean())
        fail(what, "true or false", code);
    return v.get<bool>();
}

std::int64_t integer(const nlohmann::json& v, const std::string& what, std::int64_t min, std::int64_t max,
                     ErrorCode code)
{
    const std::string range = std::to_string(min) + ".." + std::to_string(max);
    if (v.is_number_unsigned()) {
        if (v.get<std::uint64_t>() > static_cast<std::uint64_t>(max))
            fail(what, "an integer " + range, code);
        return static_cast<std::int64_t>(v.get<std::uint64_t>());
    }
    if (!v.is_number_integer())
        fail(what, "an integer " + range, code);
    const auto n = v.get<std::int64_t>();
    if (n < min || n > max)
        fail(what, "an integer " + range, code);
    return n;
}

double number(const nlohmann::json& v, const std::string& what, double min, double max, ErrorCode code)
{
    if (!v.is_number())
        fail(what, "a number", code);
    const double d = v.get<double>();
    if (!std::isfinite(d) || d < min || d > max) {
        auto text = [](double x) {
            std::string s = std::to_string(x);
            s.erase(s.find_last_not_of('0') + 1);
            if (!s.empty() && s.back() == '.')
                s.pop_back();
            return s;
        };
        fail(what, "a number from " + text(min) + " to " + text(max), code);
    }
    return d;
}

const nlohmann::json& array(const nlohmann::json& v, const std::string& what, ErrorCode code)
{
    if (!v.is_array())
        fail(what, "a list", code);
    return v;
}

const nlohmann::json& object(const nlohmann::json& v, const std::string& what, ErrorCode code)
{
    if (!v.is_object())
        fail(what, "an object", code);
    return v;
}

std::vector<std::string> strings(const nlohmann::json& v, const std::string& what, ErrorCode code)
{
    if (!v.is_array())
        fail(what, "a list of strings", code);
    std::vector<std::string> out;
    for (const auto& item : v) {
        if (!item.is_string())
            fail(what, "a list of strings", code);
        out.push_back(item.get<std::string>());
    }
    return out;
}

const nlohmann::json& member(const nlohmann::json& obj, const std::string& name, const std::string& what,
                             ErrorCode code)
{
    auto it = obj.find(name);
    if (it == obj.end())
        throw RequestError(code, what + ": \"" + name + "\" is missing");
    return *it;
}

void only_members(const nlohmann::json& obj, const std::vector<std::string>& allowed, const std::string& what,
                  ErrorCode code)
{
    for (auto it = obj.begin(); it != obj.end(); ++it)
        if (std::find(allowed.begin(), allowed.end(), it.key()) == allowed.end())
            throw RequestError(code, what + ": unknown member \"" + it.key() + "\"");
}

std::string dn(const nlohmann::json& v, const std::string& what)
{
    if (!v.is_string())
        fail(what, "a distinguished name", ErrorCode::InvalidName);
    return dn_text(v.get_ref<const std::string&>(), what);
}

namespace {

[[noreturn]] void invalid_dn(const std::string& text, const std::string& what, const std::string& why)
{
    throw RequestError(ErrorCode::InvalidName, what + ": invalid distinguished name \"" + text + "\"" +
                                                   (why.empty() ? "" : ": " + why));
}

}  // namespace

std::string dn_text(const std::string& text, const std::string& what)
{
    std::string why;
    auto canon = qv::dn::canonical(text, &why);
    if (!canon)
        invalid_dn(text, what, why);
    return std::move(*canon);
}

qv::dn::Dn canonical_dn(const std::string& text, const std::string& what)
{
    std::string why;
    auto dn = qv::dn::parse(text, &why);
    auto canon = dn ? qv::dn::canonical(*dn) : std::nullopt;
    if (!canon)
        invalid_dn(text, what, why);
    return std::move(*canon);
}

}  // namespace qv::server::check
