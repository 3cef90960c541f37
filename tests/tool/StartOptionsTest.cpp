// What qv_tolvar makes of its command line: values, modes and the server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "main/StartOptions.hpp"
#include "platform/Platform.hpp"

namespace {

bool parse(std::vector<std::string> words, StartOptions& options)
{
    words.insert(words.begin(), "qv_tolvar");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    return parse_command_line(static_cast<int>(argv.size()), argv.data(), options);
}

StartOptions parsed(std::vector<std::string> words)
{
    StartOptions options;
    EXPECT_TRUE(parse(std::move(words), options));
    return options;
}

bool refused(std::vector<std::string> words)
{
    StartOptions options;
    return !parse(std::move(words), options);
}

TEST(StartOptions, EmptyCommandLineIsConfigureModeWithNothing)
{
    const StartOptions options = parsed({});
    EXPECT_FALSE(options.create_mode);
    EXPECT_FALSE(options.agent_mode);
    EXPECT_EQ(options.protocol_type, 0);
    EXPECT_EQ(options.handshake_fd, 0);
    EXPECT_TRUE(options.id.empty());
}

TEST(StartOptions, ListValuesLoseOneTrailingBlank)
{
    const StartOptions options = parsed({"-id", "12", "13", "-name", "a", "b", "-visible_children", "4", "-v", "5",
                                         "-bus_locations", "1:2:0", "3:4:0", "-fd", "0"});
    EXPECT_EQ(options.id, "12 13");
    EXPECT_EQ(options.name, "a b");
    EXPECT_EQ(options.visible_children, "5");
    EXPECT_EQ(options.bus_locations, "1:2:0 3:4:0");
}

TEST(StartOptions, ParentAndTypeKeepTheirValueAndSetCreateMode)
{
    const StartOptions options = parsed({"-parent", "7", "-type", "Router"});
    EXPECT_EQ(options.parent, "7");
    EXPECT_EQ(options.type, "Router");
    EXPECT_TRUE(options.create_mode);
}

TEST(StartOptions, LinkSetsCreateModeAndTypeLink)
{
    const StartOptions options = parsed({"-link", "3", "4"});
    EXPECT_TRUE(options.create_mode);
    EXPECT_EQ(options.link, "3 4");
    EXPECT_EQ(options.type, "Link");
    EXPECT_EQ(parsed({"-type", "Cable", "-link", "3", "4"}).type, "Cable");
}

TEST(StartOptions, AgentFlagsSetProtocolAndTheLastWins)
{
    EXPECT_EQ(parsed({"-cmip"}).protocol_type, 1);
    EXPECT_EQ(parsed({"-m"}).protocol_type, 2);
    EXPECT_EQ(parsed({"-rpc"}).protocol_type, 3);
    EXPECT_EQ(parsed({"-s"}).protocol_type, 4);
    const StartOptions options = parsed({"-snmp", "-cmip"});
    EXPECT_EQ(options.protocol_type, 1);
    EXPECT_TRUE(options.agent_mode);
}

TEST(StartOptions, AgentModeAndCreateOptionsAreBothRecorded)
{
    // Start-up tests agent mode first, so -snmp wins over -type.
    const StartOptions options = parsed({"-snmp", "-type", "Host"});
    EXPECT_TRUE(options.agent_mode);
    EXPECT_TRUE(options.create_mode);
}

TEST(StartOptions, HandshakeDescriptorIsDecimal)
{
    EXPECT_EQ(parsed({"-fd", "17"}).handshake_fd, 17);
    EXPECT_EQ(parsed({"-fd", "0"}).handshake_fd, 0);
}

TEST(StartOptions, UsageErrors)
{
    EXPECT_TRUE(refused({"-h"}));
    EXPECT_TRUE(refused({"-help"}));
    EXPECT_TRUE(refused({"-i", "12"}));
    EXPECT_TRUE(refused({"-snmp", "router1"}));
    EXPECT_TRUE(refused({"-host"}));
    EXPECT_TRUE(refused({"-host", "a", "b"}));
    EXPECT_TRUE(refused({"-bogus"}));
    EXPECT_TRUE(refused({"12"}));
}

class ServerChoice : public testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("QV_SERVER");
        had_ = old != nullptr;
        if (old)
            old_ = old;
    }
    void TearDown() override
    {
        if (had_)
            setenv("QV_SERVER", old_.c_str(), 1);
        else
            unsetenv("QV_SERVER");
    }

private:
    bool had_ = false;
    std::string old_;
};

TEST_F(ServerChoice, HostOptionWins)
{
    setenv("QV_SERVER", "envhost", 1);
    EXPECT_EQ(choose_server(parsed({"-host", "mgr1"})), "mgr1");
}

TEST_F(ServerChoice, EnvironmentUnlessLocalhost)
{
    setenv("QV_SERVER", "envhost", 1);
    EXPECT_EQ(choose_server(parsed({})), "envhost");
    setenv("QV_SERVER", "localhost", 1);
    EXPECT_EQ(choose_server(parsed({})), get_local_host());
    EXPECT_NE(choose_server(parsed({})), "localhost");
    unsetenv("QV_SERVER");
    EXPECT_EQ(choose_server(parsed({})), get_local_host());
}

}  // namespace
