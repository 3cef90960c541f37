// What qv_tolvar makes of its command line: the words each option takes, the
// values and modes they set, and the server it picks. Refused command lines
// are checked on the binary (ToolBinaryTest).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "main/StartOptions.hpp"
#include "platform/Platform.hpp"
#include "support/ScopedEnv.hpp"

namespace {

// The options parsed from words (the program name is added), as
// "field=value;" for every field that is set; "REFUSED" on a usage error.
std::string parsed(std::vector<std::string> words)
{
    words.insert(words.begin(), "qv_tolvar");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    StartOptions o;
    if (!parse_command_line(static_cast<int>(argv.size()), argv.data(), o))
        return "REFUSED";
    std::ostringstream out;
    const std::pair<const char*, const std::string*> fields[] = {
        {"name", &o.name},     {"id", &o.id},     {"visible", &o.visible_children}, {"bus", &o.bus_locations},
        {"parent", &o.parent}, {"link", &o.link}, {"type", &o.type},              {"host", &o.host}};
    for (const auto& [field, value] : fields)
        if (!value->empty())
            out << field << "=" << *value << ";";
    if (o.handshake_fd)
        out << "fd=" << o.handshake_fd << ";";
    if (o.protocol_type)
        out << "protocol=" << o.protocol_type << ";";
    if (o.agent_mode)
        out << "agent;";
    if (o.create_mode)
        out << "create;";
    if (o.host_given)
        out << "host given;";
    return out.str();
}

TEST(StartOptions, ValuesAndModesOfEachCommandLine)
{
    const struct {
        std::vector<std::string> words;
        const char* options;
    } rows[] = {
        {{}, ""},
        // A list option ends in one blank when another option follows; the
        // value is the same either way.
        {{"-id", "12", "13"}, "id=12 13;"},
        {{"-id", "12", "13", "-name", "a", "b", "-visible_children", "4", "-v", "5", "-bus_locations", "1:2:0",
          "3:4:0", "-fd", "0"},
         "name=a b;id=12 13;visible=5;bus=1:2:0 3:4:0;"},
        {{"-id", "-snmp"}, "protocol=4;agent;"},
        {{"-name"}, ""},
        {{"-parent", "7", "-type", "Router"}, "parent=7;type=Router;create;"},
        {{"-c", "-cmip", "-t", "Host"}, "type=Host;protocol=1;agent;create;"},
        {{"-link", "3", "4"}, "link=3 4;type=Link;create;"},
        {{"-type", "Cable", "-link", "3", "4"}, "link=3 4;type=Cable;create;"},
        {{"-m"}, "protocol=2;agent;"},
        {{"-rpc"}, "protocol=3;agent;"},
        {{"-s"}, "protocol=4;agent;"},
        {{"-snmp", "-cmip"}, "protocol=1;agent;"},  // the last agent flag wins
        // Start-up tests agent mode first, so -snmp wins over -type.
        {{"-snmp", "-type", "Host"}, "type=Host;protocol=4;agent;create;"},
        {{"-fd", "17", "-host", "mgr1"}, "host=mgr1;fd=17;host given;"},
    };
    for (const auto& row : rows) {
        std::string line;
        for (const auto& word : row.words)
            line += word + " ";
        EXPECT_EQ(parsed(row.words), row.options) << line;
    }
}

TEST(StartOptions, ServerIsTheHostOptionElseTheEnvironmentUnlessLocalhost)
{
    qv::test::ScopedEnv server("QV_SERVER", "envhost");
    StartOptions options;
    EXPECT_EQ(choose_server(options), "envhost");
    options.host = "mgr1";
    options.host_given = true;
    EXPECT_EQ(choose_server(options), "mgr1");
    server.set("localhost");
    EXPECT_EQ(choose_server(StartOptions()), get_local_host());
    EXPECT_NE(choose_server(StartOptions()), "localhost");
    server.set(nullptr);
    EXPECT_EQ(choose_server(StartOptions()), get_local_host());
}

}  // namespace
