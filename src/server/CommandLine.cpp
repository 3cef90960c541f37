#include "server/CommandLine.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace qv::server {
namespace {

long number(const std::string& option, const std::string& text, long min, long max)
{
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || n < min || n > max)
        throw UsageError(option + ": expected a number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + text + "\"");
    return n;
}

}  // namespace

std::string host_name()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "localhost";
    return name;
}

CommandLine parse_command_line(const std::vector<std::string>& args)
{
    CommandLine out;
    ServerConfig& c = out.config;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string value;
        bool has_value = false;
        if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option = option.substr(0, eq);
            has_value = true;
        }
        auto take = [&]() -> std::string {
            if (has_value)
                return value;
            if (i + 1 >= args.size())
                throw UsageError(option + " needs a value");
            return args[++i];
        };
        if (option == "--help" || option == "-h")
            out.help = true;
        else if (option == "--version")
            out.version = true;
        else if (option == "--db")
            c.db_path = take();
        else if (option == "--listen")
            c.listen = take();
        else if (option == "--port")
            c.port = static_cast<int>(number(option, take(), 0, 65535));
        else if (option == "--port-file")
            c.port_file = take();
        else if (option == "--system-name")
            c.system_name = take();
        else if (option == "--require-login")
            c.require_login = true;
        else if (option == "--max-frame")
            c.max_frame = static_cast<std::uint32_t>(number(option, take(), 1024, INT_MAX));
        else if (option == "--load")
            c.load_file = take();
        else
            throw UsageError("unknown option " + args[i]);
        if (has_value && (option == "--help" || option == "--version" || option == "--require-login"))
            throw UsageError(option + " takes no value");
    }
    if (c.db_path.empty())
        throw UsageError("--db needs a file name");
    if (c.system_name.empty())
        c.system_name = host_name();
    if (c.system_name.find('"') != std::string::npos)
        throw UsageError("--system-name: a system name may not hold a double quote");
    return out;
}

std::string usage_text()
{
    return "usage: qv_server [options]\n"
           "  --db PATH            database file (created when missing; default qv.db)\n"
           "  --listen ADDR        address to listen on (default 127.0.0.1)\n"
           "  --port N             port (default 5555; 0 picks a free one)\n"
           "  --port-file PATH     write the port listened on to PATH\n"
           "  --system-name NAME   the system's name (default the host name)\n"
           "  --require-login      every client must log in\n"
           "  --max-frame BYTES    largest frame accepted (default 16777216)\n"
           "  --load FILE          load a topology document at start\n"
           "  --help, --version\n";
}

std::string version_text() { return "qv_server 4.0\n"; }

}  // namespace qv::server
