#include "AdminOptions.hpp"

#include <cstdlib>

#include "AdminError.hpp"

namespace {

const char kUsage[] =
    "Usage: qv_admin [--host H] [--port N] [--user U] COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  load FILE                    load a topology document\n"
    "  dump [DN]                    print an object and everything below it (all without DN)\n"
    "  get DN ATTR                  print one attribute's value\n"
    "  set DN ATTR VALUE            change one attribute (VALUE is JSON when it parses, else a string)\n"
    "  create DN CLASS [JSON-ATTRS] create a managed object\n"
    "  create-node JSON-ATTRS       create a topology node; prints its DN\n"
    "  delete DN                    delete an object and everything below it\n"
    "  user add NAME [RIGHT...]     add a user (password from QV_NEW_PASSWORD or asked)\n"
    "  user passwd NAME             change a user's password\n"
    "  user grant NAME RIGHT...     grant rights\n"
    "  user revoke NAME RIGHT...    revoke rights\n"
    "  user list                    list the users and their rights\n"
    "  user delete NAME             delete a user\n"
    "  rights                       print the rights of the connected user\n"
    "  audit [--dn DN] [--user U] [--operation OP] [--since T] [--until T] [--limit N] [--json]\n"
    "                               the changes recorded, newest first (100 unless --limit; 0: all);\n"
    "                               T is a UTC time: 2026-12-06, 2026-12-06T10:00:02.540Z\n"
    "  audit --stats | --verify     the trail's size; whether any entry was changed or removed\n"
    "\n"
    "A DN may also be a topology node number (12) or system:number (vm:12).\n"
    "The login password is read from QV_PASSWORD when set, else asked on the terminal.\n"
    "Exit status: 0 success, 1 failure, 2 usage error.\n";

int parse_port(const std::string& text)
{
    char* end = nullptr;
    const long p = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || p <= 0 || p > 65535)
        throw AdminError::usage("--port needs a port number from 1 to 65535, not \"" + text + "\"");
    return static_cast<int>(p);
}

}  // namespace

const char* admin_usage() { return kUsage; }

AdminOptions AdminOptions::parse(const std::vector<std::string>& argv)
{
    AdminOptions o;
    std::size_t i = 0;
    for (; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            return o;
        }
        if (a.rfind("--", 0) != 0)
            break;
        std::string name = a, value;
        const auto eq = a.find('=');
        if (eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
        } else if (name == "--host" || name == "--port" || name == "--user") {
            if (i + 1 >= argv.size())
                throw AdminError::usage(name + " needs a value");
            value = argv[++i];
        }
        if (name == "--host")
            o.host = value;
        else if (name == "--port")
            o.port = parse_port(value);
        else if (name == "--user")
            o.user = value;
        else
            throw AdminError::usage("unknown option " + a);
    }
    if (i >= argv.size())
        throw AdminError::usage("no command given");
    o.command = argv[i];
    o.args.assign(argv.begin() + static_cast<long>(i) + 1, argv.end());
    return o;
}

std::string AdminOptions::server_host() const
{
    if (!host.empty())
        return host;
    if (const char* env = std::getenv("QV_SERVER"); env && *env)
        return env;
    return "localhost";
}
