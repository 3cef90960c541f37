#include "server/CommandLine.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>
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

double seconds(const std::string& option, const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const double s = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !(s >= 0) || s > 1e7)
        throw UsageError(option + ": expected a number of seconds (0 for no limit), not \"" + text + "\"");
    return s;
}

// The limit options: name, and where the value goes.
bool limit_option(const std::string& option, const std::function<std::string()>& take, Limits& l)
{
    const auto count = [&](std::size_t& field, long min) {
        field = static_cast<std::size_t>(number(option, take(), min, INT_MAX));
    };
    if (option == "--max-connections")
        count(l.max_connections, 1);
    else if (option == "--max-connections-per-address")
        count(l.max_per_address, 1);
    else if (option == "--max-buffered-mib")
        l.max_buffered = static_cast<std::size_t>(number(option, take(), 1, 1 << 20)) << 20;
    else if (option == "--hello-timeout")
        l.hello_timeout = seconds(option, take());
    else if (option == "--idle-timeout")
        l.idle_timeout = seconds(option, take());
    else if (option == "--frame-timeout")
        l.frame_timeout = seconds(option, take());
    else if (option == "--login-delay")
        l.login_delay = seconds(option, take());
    else
        return false;
    return true;
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
        else if (option == "--mib-dir")
            c.mib_roots.push_back(take());
        else if (option == "--tls-cert")
            c.tls_cert = take();
        else if (option == "--tls-key")
            c.tls_key = take();
        else if (option == "--audit-days")
            c.audit_days = static_cast<int>(number(option, take(), 0, 100000));
        else if (limit_option(option, take, c.limits))
            continue;
        else
            throw UsageError("unknown option " + args[i]);
        if (has_value && (option == "--help" || option == "--version" || option == "--require-login"))
            throw UsageError(option + " takes no value");
    }
    if (c.db_path.empty())
        throw UsageError("--db needs a file name");
    if (c.system_name.empty())
        c.system_name = host_name();
    if (c.tls_cert.empty() != c.tls_key.empty())
        throw UsageError("--tls-cert and --tls-key go together");
    if (c.mib_roots.empty())
        c.mib_roots.push_back(kDefaultMibRoot);
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
           "  --mib-dir DIR        documents may read MIB files below DIR (repeatable;\n"
           "                       default /usr/share/snmp/mibs)\n"
           "  --max-connections N  clients at once (default 512)\n"
           "  --max-connections-per-address N   from one address (default 128)\n"
           "  --max-buffered-mib N input and output held for all clients (default 256)\n"
           "  --hello-timeout S    seconds for a client's hello (default 10)\n"
           "  --idle-timeout S     seconds a client may stay silent (default 28800)\n"
           "  --frame-timeout S    seconds to complete a frame once begun (default 30)\n"
           "  --login-delay S      first delay of a refused login (default 1; doubles)\n"
           "  --tls-cert FILE      serve TLS with this certificate (PEM, with its chain)\n"
           "  --tls-key FILE       and this private key (PEM)\n"
           "  --audit-days N       keep audit entries N days (default 365; 0: for ever)\n"
           "  --help, --version\n";
}

std::string version_text() { return "qv_server 4.0\n"; }

}  // namespace qv::server
