#include "AdminContext.hpp"

#include <ostream>
#include <regex>

#include "AdminError.hpp"
#include "platform/QvTopoNodeDn.hpp"

nlohmann::json AdminContext::call(const std::string& op, nlohmann::json params, double timeout_seconds)
{
    nlohmann::json result;
    const QvStatus st = timeout_seconds > 0 ? platform_.request(op, std::move(params), result, timeout_seconds)
                                            : platform_.request(op, std::move(params), result);
    if (!st)
        throw AdminError::from(st);
    return result;
}

void AdminContext::accept(const ReplyReader& reply)
{
    if (!reply.ok())
        throw AdminError::from(platform_.reject_reply(reply));
}

std::string AdminContext::dn_argument(const std::string& text) const
{
    static const std::regex number("^[0-9]+$");
    static const std::regex system_number("^([^/=:\"]+):([0-9]+)$");
    std::smatch m;
    if (std::regex_match(text, number))
        return QvTopoNodeDn(platform_.system_name(), std::stol(text)).to_string();
    if (std::regex_match(text, m, system_number))
        return QvTopoNodeDn(m[1].str(), std::stol(m[2].str())).to_string();
    return text;
}

void AdminContext::print_json(const nlohmann::json& value)
{
    out_ << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void AdminContext::expect_args(const std::vector<std::string>& args, std::size_t min, std::size_t max,
                               const std::string& synopsis)
{
    if (args.size() < min || args.size() > max)
        throw AdminError::usage("usage: qv_admin " + synopsis);
}
