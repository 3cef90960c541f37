// Agent DNs: built for an object, parsed back from an object's list, sorted
// into the four protocols, and refused beyond the length they may have.
#include <gtest/gtest.h>

#include <string>

#include "agents/CmipAgent.hpp"
#include "agents/MisAgent.hpp"
#include "agents/RpcAgent.hpp"
#include "agents/SnmpAgent.hpp"

namespace {

const std::string kSnmpDn =
    "/systemId=name:\"sysA\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId=\"hostB\"";
const std::string kRpcDn = "/systemId=name:\"sysA\"/agentTableType=\"RPC\"/agentId=id:\"hostB\"";

TEST(AgentDn, StoredDnsAreSortedByProtocol)
{
    const struct {
        std::string dn;
        ProtocolType protocol;
    } cases[] = {
        {kSnmpDn + "/mibGroupId=\"system\"", PROTO_SNMP},
        {kRpcDn, PROTO_RPC},
        {"/systemId=name:\"mis1\"/logId=\"alarmLog\"", PROTO_MIS},
        {"/systemId=\"mis1\"", PROTO_MIS},
        {"/networkId=\"osi\"/managedElementId=\"ne1\"", PROTO_CMIP},
        {"", PROTO_CMIP},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classify_agent_dn(c.dn), c.protocol) << c.dn;
}

TEST(AgentDn, ParsedNameObjectPathAndDefaultFlag)
{
    const auto parts = [](const AgentMo& agent) {
        return agent.get_name() + " | " + agent.get_dn() + (agent.is_default() ? " | default" : "");
    };
    EXPECT_EQ(parts(SnmpAgent("hostB", kSnmpDn + "/mibGroupId=\"system\"")), "hostB | /mibGroupId=\"system\" | default");
    EXPECT_EQ(parts(RpcAgent("other", kRpcDn)), "hostB | ");
    const MisAgent mis("mis1", "/systemId=name:\"mis1\"/logId=\"alarmLog\"", "server1");
    EXPECT_EQ(parts(mis), "mis1 | /logId=\"alarmLog\" | default");
    EXPECT_FALSE(mis.is_local());
    EXPECT_TRUE(MisAgent("x", "/systemId=name:\"localhost\"", "server1").is_local());
    EXPECT_EQ(parts(CmipAgent("hostB", "/networkId=\"osi\"/managedElementId=\"ne1\"", "osi-1")),
              "osi-1 | /networkId=\"osi\"/managedElementId=\"ne1\"");

    // A DN cut short yields what it holds, never more.
    EXPECT_EQ(SnmpAgent("h", "cmipsnmpProxyAgentId=\"unclosed").get_name(), "unclosed");
    EXPECT_EQ(RpcAgent("h", "RPC").get_name(), "");
}

TEST(AgentDn, BuiltWithTheObjectNameForADefaultAgent)
{
    const SnmpAgent stored("hostB", kSnmpDn);
    EXPECT_EQ(stored.get_dn("sysA", "hostB"), kSnmpDn);

    SnmpAgent snmp("x", kSnmpDn + "/mibGroupId=\"system\"");
    snmp.set_name("<Default>");
    EXPECT_EQ(snmp.get_dn("sysA", "hostB"), kSnmpDn + "/mibGroupId=\"system\"");
    snmp.set_name("MyDef");
    EXPECT_TRUE(snmp.is_default());
    snmp.set_name("plain");
    EXPECT_EQ(snmp.get_dn("sysA", "hostB"),
              "/systemId=name:\"sysA\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"
              "/cmipsnmpProxyAgentId=\"plain\"/mibGroupId=\"system\"");

    RpcAgent rpc("hostB", kRpcDn);
    EXPECT_EQ(rpc.get_dn("sysA", "hostB"), kRpcDn);
    MisAgent mis("mis1", "/systemId=name:\"mis1\"", "server1");
    EXPECT_EQ(mis.get_dn("ignored", "mis1"), "/systemId=name:\"mis1\"");
    CmipAgent cmip("x", "/networkId=\"osi\"", "osi-1");
    EXPECT_EQ(cmip.get_dn("sysA", "x"), "/networkId=\"osi\"");
}

TEST(AgentDn, LongerThanTheLimitIsRefusedNotCut)
{
    SnmpAgent snmp("x", kSnmpDn);
    const std::size_t room = AgentMo::kMaxDnLength - snmp.get_dn("sysA", "hostB").size();
    snmp.set_dn(std::string(room, 'p').c_str());
    EXPECT_TRUE(snmp.check_dn("sysA", "hostB"));
    snmp.set_dn(std::string(room + 1, 'p').c_str());
    const QvStatus refused = snmp.check_dn("sysA", "hostB");
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.text().find("too long"), std::string::npos) << refused.text();
    EXPECT_EQ(snmp.get_dn("sysA", "hostB").size(), AgentMo::kMaxDnLength + 1);
}

TEST(AgentDn, ProtocolTextsAndEquality)
{
    SnmpAgent a("x", kSnmpDn);
    EXPECT_EQ(a.get_proto_str(), "SNMP");
    a.set_proto_from_str("Sanything");
    EXPECT_EQ(a.get_protocol(), PROTO_SNMP);
    a.set_proto_from_str("");
    EXPECT_EQ(a.get_proto_str(), "Normal");
    a.set_proto_from_str("X");
    EXPECT_EQ(a.get_protocol(), PROTO_NONE);

    const SnmpAgent snmp("x", kSnmpDn);
    const RpcAgent rpc("x", kRpcDn);
    EXPECT_EQ(snmp.get_name(), rpc.get_name());
    EXPECT_FALSE(snmp == rpc);
    EXPECT_TRUE(snmp == SnmpAgent("y", kSnmpDn + "/a=1"));
}

}  // namespace
