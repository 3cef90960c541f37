#include "main/StartOptions.hpp"

#include <cstdlib>
#include <cstring>

#include "main/CommandLine.hpp"
#include "platform/Platform.hpp"

const char* const kOptionSpec =
    "c|cmip|fd:|h|host:|help|id*|l*|link*|m|mis|n*|name*|p:|parent:|r|rpc|s|snmp|t:|type:|v*|"
    "visible_children*|b*|bus_locations*";

namespace {

// List options end in one blank when another option follows them.
RWCString without_trailing_blank(std::string value)
{
    if (!value.empty() && value.back() == ' ')
        value.pop_back();
    return value;
}

void set_agent(StartOptions& options, int protocol)
{
    options.protocol_type = protocol;
    options.agent_mode = true;
}

// Applies one option; false when it is a usage error.
bool apply_option(const char* option, StartOptions& options)
{
    const std::string& value = CommandLine::optarg;
    switch (option[0]) {
    case 'b':
        options.bus_locations = without_trailing_blank(value);
        return true;
    case 'c':
        set_agent(options, 1);
        return true;
    case 'f':
        options.handshake_fd = std::atoi(value.c_str());
        return true;
    case 'h':
        if (option[1] != 'o')
            return false;  // -h, -help
        options.host = value;
        options.host_given = true;
        return true;
    case 'i':
        options.id = without_trailing_blank(value);
        return true;
    case 'l':
        options.link = without_trailing_blank(value);
        options.create_mode = true;
        if (options.type.empty())
            options.type = "Link";
        return true;
    case 'm':
        set_agent(options, 2);
        return true;
    case 'n':
        options.name = without_trailing_blank(value);
        return true;
    case 'p':
        options.parent = value;
        options.create_mode = true;
        return true;
    case 'r':
        set_agent(options, 3);
        return true;
    case 's':
        set_agent(options, 4);
        return true;
    case 't':
        options.type = value;
        options.create_mode = true;
        return true;
    case 'v':
        options.visible_children = without_trailing_blank(value);
        return true;
    default:
        return false;  // "####" and anything unknown
    }
}

}  // namespace

bool parse_command_line(int argc, char** argv, StartOptions& options)
{
    CommandLine line(argc > 0 ? argv + 1 : argv, argc > 0 ? argc - 1 : 0);
    line.set_args(kOptionSpec);
    while (const char* option = line.get_arg())
        if (!apply_option(option, options))
            return false;
    return true;
}

std::string choose_server(const StartOptions& options)
{
    if (options.host_given)
        return options.host;
    const char* env = std::getenv("QV_SERVER");
    if (env && std::strcmp(env, "localhost") != 0)
        return env;
    return get_local_host();
}
