// qv_admin: loads topologies, inspects and changes objects, manages users,
// reads the audit trail.
#include <iostream>
#include <map>

#include "AdminError.hpp"
#include "AdminOptions.hpp"
#include "AdminPasswordPrompt.hpp"
#include "AuditCommand.hpp"
#include "ObjectCommands.hpp"
#include "UserCommands.hpp"

namespace {

using Command = void (*)(AdminContext&, const std::vector<std::string>&);

const std::map<std::string, Command>& commands()
{
    static const std::map<std::string, Command> table = {
        {"load", object_commands::load},     {"dump", object_commands::dump},
        {"get", object_commands::get},       {"set", object_commands::set},
        {"create", object_commands::create}, {"create-node", object_commands::create_node},
        {"delete", object_commands::remove}, {"user", user_commands::user},
        {"rights", user_commands::rights},   {"audit", audit_command::audit},
    };
    return table;
}

int run(const std::vector<std::string>& argv)
{
    const AdminOptions options = AdminOptions::parse(argv);
    if (options.help) {
        std::cout << admin_usage();
        return 0;
    }
    const auto command = commands().find(options.command);
    if (command == commands().end())
        throw AdminError::usage("unknown command \"" + options.command + "\"");
    AdminPasswordPrompt prompt(options.user);
    Platform platform("QV", "");
    platform.set_port(options.port);
    if (!platform.connect(options.server_host(), "qv_admin"))
        throw AdminError::from(platform);
    AdminContext ctx(platform, std::cout);
    command->second(ctx, options.args);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const AdminError& e) {
        if (e.kind() != AdminError::Reported)
            std::cerr << "qv_admin: " << e.what() << '\n';
        if (e.kind() == AdminError::Usage)
            std::cerr << "Try 'qv_admin --help'.\n";
        return e.exit_status();
    } catch (const std::exception& e) {
        std::cerr << "qv_admin: " << e.what() << '\n';
        return AdminError::kFailedStatus;
    }
}
