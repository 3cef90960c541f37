// The rules the agent dialogs rely on: the read community renames an SNMP
// agent, the agent page recognises an agent it lists, and the repository's
// reply is read for MIB and RPC agent names. Where chosen schemas run: the
// RPC dialog's test.
#include <gtest/gtest.h>

#include "agents/AgentContext.hpp"
#include "agents/AgentViews.hpp"
#include "agents/RepositoryDocuments.hpp"
#include "agents/RpcAgent.hpp"
#include "agents/SnmpAgent.hpp"

namespace {

// A dialog as the user left it.
struct FakeSnmpView : SnmpAgentView {
    RWCString host_field;
    SnmpFields fields;
    void set_writable(bool) override {}
    void set_path_sensitive(bool) override {}
    RWCString host() override { return host_field; }
    void show_host(const RWCString& host) override { host_field = host; }
    void show_fields(const SnmpFields& shown) override { fields = shown; }
    SnmpFields read_fields() override { return fields; }
};

class AgentRules : public testing::Test {
protected:
    void SetUp() override
    {
        AgentContext& c = agent_context();
        c.snmp = [this] { return &snmp_view; };
        c.first_object_name = [] { return RWCString("hostA"); };
    }
    void TearDown() override { agent_context() = AgentContext(); }

    FakeSnmpView snmp_view;
};

TEST_F(AgentRules, ReadCommunityRenamesTheSnmpAgent)
{
    SnmpAgent agent;
    EXPECT_EQ(snmp_view.fields.read_community, "gusset");
    snmp_view.host_field = "hostA";
    const struct {
        const char* community;
        const char* name;
        int is_default;
    } steps[] = {
        {"gusset", "hostA", 0},   // unchanged: no renaming
        {"public", "hostA_public", 0},
        {"private", "hostA_private", 0},
        {"gusset", "hostA", 1},  // named after the object again: its default agent
        {"c2", "hostA_c2", 0},
    };
    for (const auto& step : steps) {
        snmp_view.fields.read_community = step.community;
        ASSERT_TRUE(agent.get_agent());
        EXPECT_EQ(agent.get_name(), step.name) << step.community;
        EXPECT_EQ(snmp_view.host_field, step.name) << "the dialog shows the new name";
        EXPECT_EQ(agent.is_default(), step.is_default) << step.community;
    }
    // Another host back on the default community is no default agent.
    snmp_view.host_field = "hostZ_c2";
    snmp_view.fields.read_community = "gusset";
    agent.get_agent();
    EXPECT_EQ(agent.get_name(), "hostZ");
    EXPECT_FALSE(agent.is_default());

    snmp_view.host_field = "";
    const QvStatus refused = agent.get_agent();
    EXPECT_EQ(refused.code(), 14);
    EXPECT_EQ(refused.text(), "No Name");
    EXPECT_EQ(agent.get_name(), "hostZ");
}

TEST_F(AgentRules, PortMustBeANumberFrom1To65535)
{
    SnmpAgent agent;
    snmp_view.host_field = "h";
    for (const char* port : {"1", "161", "65535"}) {
        snmp_view.fields.port = port;
        agent.get_agent();
        EXPECT_TRUE(agent.check_fields()) << port;
    }
    for (const char* port : {"", "0", "65536", "161a", "-1", " 161", "99999999999999999999"}) {
        snmp_view.fields.port = port;
        agent.get_agent();
        EXPECT_FALSE(agent.check_fields()) << port;
    }
}

TEST_F(AgentRules, PageRecognisesAnAgentItLists)
{
    const std::string snmp_dn =
        "/systemId=name:\"s\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId=";
    const SnmpAgent named_a("hostA", snmp_dn + "\"hostA\"");                // default of hostA, no path
    const SnmpAgent named_b("hostA", snmp_dn + "\"hostB\"");                // not default
    const SnmpAgent named_b_path("hostA", snmp_dn + "\"hostB\"/x=1");       // a path
    const RpcAgent rpc_a("hostA", "/systemId=name:\"s\"/agentTableType=\"RPC\"/agentId=id:\"hostA\"");
    SnmpAgent fresh_default("x", snmp_dn + "\"y\"");
    fresh_default.set_name("<Default>");
    fresh_default.set_dn("");

    // 1: same name and path.
    EXPECT_TRUE(named_b.is_listed_as(SnmpAgent("z", snmp_dn + "\"hostB\""), "hostA"));
    EXPECT_FALSE(named_b.is_listed_as(named_b_path, "hostA"));
    // 2: both default agents, same path.
    EXPECT_TRUE(fresh_default.is_listed_as(named_a, "hostA"));
    // 3: a default agent and the agent named after the first object, no path.
    SnmpAgent not_default("hostQ", snmp_dn + "\"hostA\"");
    EXPECT_FALSE(not_default.is_default());
    EXPECT_TRUE(fresh_default.is_listed_as(not_default, "hostA"));
    EXPECT_FALSE(fresh_default.is_listed_as(not_default, "hostB"));
    // Never across protocols.
    EXPECT_FALSE(fresh_default.is_listed_as(rpc_a, "hostA"));
}

TEST(RepositoryReply, DocumentNamesAreReadByKind)
{
    const RWCString reply = "{{document \"IIMCRFC1213-MIB\"},{document \"SYSLOG\"},{document \"RPC Agent - disk\"},"
                            "{document \"RPC Proxy - ping\"},{document \"Odd \\\"quoted\\\" -MIB\"}}";
    EXPECT_EQ(scan_documents(reply, {"-MIB"}), (RWTValSlist<RWCString>{"IIMCRFC1213-MIB", "Odd \"quoted\" -MIB"}));
    EXPECT_EQ(scan_documents(reply, {"RPC Agent", "RPC Proxy"}),
              (RWTValSlist<RWCString>{"RPC Agent - disk", "RPC Proxy - ping"}));
    EXPECT_TRUE(scan_documents("{}", {"-MIB"}).empty());
    EXPECT_TRUE(scan_documents("", {"-MIB"}).empty());
    // Cut short: what came before the fault is kept.
    EXPECT_EQ(scan_documents("{{document \"A-MIB\"},{document \"B-MI", {"-MIB"}), (RWTValSlist<RWCString>{"A-MIB"}));
    EXPECT_TRUE(scan_documents("document document", {"-MIB"}).empty());
}

}  // namespace
