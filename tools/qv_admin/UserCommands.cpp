#include "UserCommands.hpp"

#include <cstdlib>

#include "AdminError.hpp"
#include "platform/ReplyReader.hpp"
#include "platform/TerminalInput.hpp"

namespace user_commands {
namespace {

// QV_NEW_PASSWORD for scripts, else asked twice on the terminal.
std::string new_password(const std::string& name)
{
    if (const char* env = std::getenv("QV_NEW_PASSWORD"))
        return env;
    auto first = TerminalInput::read_line("New password for " + name + ": ", false);
    if (!first)
        throw AdminError("no password given for " + name);
    auto again = TerminalInput::read_line("Retype the new password: ", false);
    if (!again || *again != *first)
        throw AdminError("the two passwords differ; nothing changed");
    return *first;
}

nlohmann::json rights_of(const Args& args, std::size_t from)
{
    nlohmann::json rights = nlohmann::json::array();
    for (std::size_t i = from; i < args.size(); ++i)
        rights.push_back(args[i]);
    return rights;
}

const char kUserSynopsis[] = "user add NAME [RIGHT...] | passwd NAME | grant NAME RIGHT... | revoke NAME RIGHT... "
                             "| list | delete NAME";

}  // namespace

void user(AdminContext& ctx, const Args& args)
{
    if (args.empty())
        throw AdminError::usage(std::string("usage: qv_admin ") + kUserSynopsis);
    const std::string& sub = args[0];
    const std::size_t unlimited = static_cast<std::size_t>(-1);
    if (sub == "list") {
        AdminContext::expect_args(args, 1, 1, "user list");
        const nlohmann::json r = ctx.call("user.list", nlohmann::json::object());
        ReplyReader reply(r, "the user.list reply");
        const nlohmann::json& users = reply.array("users");
        ctx.accept(reply);
        ctx.print_json(users);
    } else if (sub == "add") {
        AdminContext::expect_args(args, 2, unlimited, "user add NAME [RIGHT...]");
        ctx.call("user.add", {{"name", args[1]}, {"password", new_password(args[1])}, {"rights", rights_of(args, 2)}});
    } else if (sub == "passwd") {
        AdminContext::expect_args(args, 2, 2, "user passwd NAME");
        ctx.call("user.passwd", {{"name", args[1]}, {"password", new_password(args[1])}});
    } else if (sub == "grant" || sub == "revoke") {
        AdminContext::expect_args(args, 3, unlimited, "user " + sub + " NAME RIGHT...");
        ctx.call("user." + sub, {{"name", args[1]}, {"rights", rights_of(args, 2)}});
    } else if (sub == "delete") {
        AdminContext::expect_args(args, 2, 2, "user delete NAME");
        ctx.call("user.delete", {{"name", args[1]}});
    } else {
        throw AdminError::usage("unknown user command \"" + sub + "\"; usage: qv_admin " + kUserSynopsis);
    }
}

void rights(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 0, 0, "rights");
    AuthFeatures features;
    if (!ctx.platform().get_authorized_features(features, nullptr, nullptr))
        throw AdminError::from(ctx.platform());
    ctx.print_json({{"user", features.user()}, {"rights", features.rights()}});
}

}  // namespace user_commands
