// Values every caller handles: statuses and the names of topology nodes,
// types and agents.
#include <gtest/gtest.h>
#include <sstream>

#include "platform/Platform.hpp"
#include "platform/QvAgents.hpp"
#include "platform/QvTopoNodeDn.hpp"

TEST(QvStatus, PrintsItsTextAsItStands)
{
    const auto printed = [](const QvStatus& status) {
        std::ostringstream out;
        out << status;
        return out.str();
    };
    EXPECT_EQ(printed(QvStatus::failure(QvStatus::NoSuchObject, "No object /a=9")), "No object /a=9");
    EXPECT_EQ(printed(QvStatus::success()), "OK");
    EXPECT_EQ(printed(QvStatus::failure(QvStatus::ServerError, "")), "Failed (code 8)");
}

TEST(TopoNodeDn, SpellsAndReadsTheProtocolFormAndNoOther)
{
    const QvTopoNodeDn dn("vm", 12);
    EXPECT_EQ(dn.to_string(), "/systemId=name:\"vm\"/topoNodeId=12");
    EXPECT_EQ(QvTopoNodeDn::from_string(dn.to_string()), dn);
    // The short spelling of a system and blanks around "=" name the same node.
    EXPECT_EQ(QvTopoNodeDn::from_string("/systemId=\"vm\"/topoNodeId = 12"), dn);
    for (const char* other : {"/systemId=name:\"vm\"/topoTypeId=\"Router\"", "/systemId=name:\"vm\"/topoNodeId=0",
                              "/systemId=name:\"vm\"/topoNodeId=12x", "12", ""})
        EXPECT_FALSE(QvTopoNodeDn::from_string(other).valid()) << other;
}

TEST(TopoTypeDn, QuotesTheTypeName)
{
    const QvTopoTypeDn dn("vm", "Sun \"Ultra\"");
    EXPECT_EQ(dn.to_string(), "/systemId=name:\"vm\"/topoTypeId=\"Sun \\\"Ultra\\\"\"");
    const QvTopoTypeDn back = QvTopoTypeDn::from_string(dn.to_string());
    EXPECT_EQ(back.unique_name(), "Sun \"Ultra\"");
    EXPECT_EQ(back.system_name(), "vm");
}

TEST(AgentDn, EachAgentLivesWhereItsClassSays)
{
    const QvSnmpAgentDn snmp("sysA", "hostB");
    EXPECT_EQ(snmp.to_string(),
              "/systemId=name:\"sysA\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"
              "/cmipsnmpProxyAgentId=\"hostB\"");
    EXPECT_EQ(QvSnmpAgentDn::from_string(snmp.to_string()), snmp);
    EXPECT_EQ(QvSnmpAgentDn::from_string("/systemId=\"sysA\"/internetClassId={ 1 3 6 1 4 1 42 2 2 2 9 2 4 1 0 }"
                                         "/cmipsnmpProxyAgentId=\"hostB\""),
              snmp);
    const QvRpcAgentDn rpc("sysA", "h1");
    EXPECT_EQ(rpc.to_string(), "/systemId=name:\"sysA\"/agentTableType=\"RPC\"/agentId=id:\"h1\"");
    EXPECT_EQ(QvRpcAgentDn::from_string(rpc.to_string()).unique_name(), "h1");
    const QvCmipAgentDn cmip("sysA", "entity 7");
    EXPECT_EQ(cmip.to_string(), "/systemId=name:\"sysA\"/agentTableType=\"CMIP\"/agentId=id:\"entity 7\"");
    EXPECT_EQ(QvCmipAgentDn::from_string(cmip.to_string()).unique_name(), "entity 7");
    // One form is not taken for another.
    EXPECT_FALSE(QvCmipAgentDn::from_string(rpc.to_string()).valid());
    EXPECT_FALSE(QvSnmpAgentDn::from_string(rpc.to_string()).valid());
    EXPECT_FALSE(QvCmipAgentDn::from_string("/systemId=name:\"sysA\"").valid());
    EXPECT_FALSE(QvCmipAgentDn().valid());
}
