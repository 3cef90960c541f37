// What every qv_admin command works with: the connection and stdout, and
// the helpers that turn the server's refusals into AdminErrors.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/Platform.hpp"
#include "platform/ReplyReader.hpp"

class AdminContext {
public:
    AdminContext(Platform& platform, std::ostream& out) : platform_(platform), out_(out) {}

    Platform& platform() { return platform_; }
    std::ostream& out() { return out_; }

    // One request; throws AdminError with the server's text when refused.
    // A long one (a load's commit) may be given more than the usual minute.
    nlohmann::json call(const std::string& op, nlohmann::json params, double timeout_seconds = 0);
    // Throws when the reader found the reply malformed (the connection is
    // then closed and the problem on stderr).
    void accept(const ReplyReader& reply);
    // A DN argument: a DN, a topology node number ("12") or "system:12".
    std::string dn_argument(const std::string& text) const;
    // Prints JSON on stdout, indented for people and parseable for scripts.
    void print_json(const nlohmann::json& value);

    // Throws a usage error unless args has between min and max words.
    static void expect_args(const std::vector<std::string>& args, std::size_t min, std::size_t max,
                            const std::string& synopsis);

private:
    Platform& platform_;
    std::ostream& out_;
};
