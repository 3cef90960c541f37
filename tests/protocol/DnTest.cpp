// Distinguished names in every form the tool and the server build.
#include <gtest/gtest.h>

#include "protocol/Dn.hpp"

namespace dn = qv::dn;

namespace {

dn::Dn parsed(const std::string& text)
{
    std::string why;
    auto d = dn::parse(text, &why);
    EXPECT_TRUE(d) << text << ": " << why;
    return d ? *d : dn::Dn{};
}

std::string canon(const std::string& text)
{
    std::string why;
    auto c = dn::canonical(text, &why);
    EXPECT_TRUE(c) << text << ": " << why;
    return c.value_or("");
}

}  // namespace

TEST(DnParse, SnmpProxyDnKeepsTheObjectIdentifierInBracesWhole)
{
    const std::string text =
        "/systemId=name:\"sysA\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId=\"hostB\"";
    const auto d = parsed(text);
    ASSERT_EQ(d.size(), 3u);
    EXPECT_TRUE(d.absolute);
    EXPECT_EQ(d.rdns[0], (dn::Rdn{"systemId", "name:\"sysA\""}));
    EXPECT_EQ(d.rdns[1], (dn::Rdn{"internetClassId", "{1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"}));
    EXPECT_EQ(d.rdns[2], (dn::Rdn{"cmipsnmpProxyAgentId", "\"hostB\""}));
    EXPECT_EQ(dn::format(d), text);
    EXPECT_EQ(dn::system_of(d), "sysA");
    EXPECT_EQ(dn::value_text(d.rdns[2].value), "hostB");
}

TEST(DnParse, RpcAndCmipAgentsUseTheIdTag)
{
    const auto rpc = parsed("/systemId=name:\"S\"/agentTableType=\"RPC\"/agentId=id:\"h1\"");
    ASSERT_EQ(rpc.size(), 3u);
    EXPECT_EQ(rpc.rdns[1].value, "\"RPC\"");
    EXPECT_EQ(rpc.rdns[2], (dn::Rdn{"agentId", "id:\"h1\""}));
    EXPECT_EQ(dn::value_text(rpc.rdns[2].value), "h1");
    const auto cmip = parsed("/systemId=name:\"S\"/agentTableType=\"CMIP\"/agentId=id:\"osi-1\"");
    EXPECT_EQ(dn::value_text(cmip.rdns[2].value), "osi-1");
}

TEST(DnCanonical, OneSpellingPerName)
{
    const std::pair<const char*, const char*> rows[] = {
        // The three spellings of a system are one system.
        {"/systemId=\"mis1\"", "/systemId=name:\"mis1\""},
        {"/systemId=name:\"mis1\"", "/systemId=name:\"mis1\""},
        {"/systemId=mis1", "/systemId=name:\"mis1\""},
        {"/systemId=\"mis1\"/logId=\"a\"", "/systemId=name:\"mis1\"/logId=\"a\""},
        // Only systemId gets a tag: other quoted values stay as written.
        {"/metaName=\"MDR\"", "/metaName=\"MDR\""},
        // Blanks around a tag are the operator's; the stored spelling has none.
        {"/systemId = name : \"S\"/agentTableType=\"CMIP\"/agentId = id : \"osi-1\"",
         "/systemId=name:\"S\"/agentTableType=\"CMIP\"/agentId=id:\"osi-1\""},
        {"/systemId=name:\"s\"/internetClassId={ 1  3 6\t1 }", "/systemId=name:\"s\"/internetClassId={1 3 6 1}"},
        {"/systemId=name:\"a  b\"", "/systemId=name:\"a  b\""},  // blanks inside quotes are the value's
    };
    for (const auto& [text, canonical] : rows)
        EXPECT_EQ(canon(text), canonical) << text;
    EXPECT_EQ(dn::system_of(parsed("/systemId=\"mis1\"")), "mis1");
}

TEST(DnParse, TopologyNodeAndTypeNames)
{
    const auto node = parsed("/systemId=name:\"vm\"/topoNodeId=12");
    ASSERT_EQ(node.size(), 2u);
    EXPECT_EQ(node.rdns[1], (dn::Rdn{"topoNodeId", "12"}));
    EXPECT_EQ(dn::value_text(node.rdns[1].value), "12");
    const auto type = parsed("/systemId=name:\"vm\"/topoTypeId=\"Router\"");
    EXPECT_EQ(dn::value_text(type.rdns[1].value), "Router");
    EXPECT_TRUE(dn::is_child(dn::system_dn("vm"), node));
    EXPECT_EQ(dn::parent(node), dn::system_dn("vm"));
}

TEST(DnParse, SlashOrEscapedQuoteInsideAValueIsPartOfIt)
{
    const auto d = parsed("/systemId=name:\"a/b\"/logId=\"x/y/z\"/k={1/2}");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(dn::value_text(d.rdns[0].value), "a/b");
    EXPECT_EQ(d.rdns[1].value, "\"x/y/z\"");
    EXPECT_EQ(d.rdns[2].value, "{1/2}");
    EXPECT_EQ(dn::last_label("/systemId=name:\"a/b\"/logId=\"x/y\""), "logId=\"x/y\"");
    EXPECT_EQ(dn::last_label("/systemId=name:\"a/b\""), "systemId=name:\"a/b\"");

    const auto escaped = parsed("/systemId=name:\"s\"/agentId=id:\"a\\\"/b\"");
    ASSERT_EQ(escaped.size(), 2u);
    EXPECT_EQ(dn::value_text(escaped.rdns[1].value), "a\"/b");
    EXPECT_EQ(dn::quote("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(dn::value_text(dn::quote("a\"b\\c")), "a\"b\\c");
}

TEST(DnTree, RootRelativeNamesParentsAndChildren)
{
    const auto root = parsed("/");
    EXPECT_TRUE(root.absolute);
    EXPECT_TRUE(root.empty());
    EXPECT_EQ(dn::format(root), "/");
    EXPECT_EQ(dn::parent(dn::system_dn("s")), root);
    EXPECT_EQ(dn::last_label("/"), "/");

    const auto rel = parsed("agentTableType=\"CMIP\"/agentId=id:\"x\"");
    EXPECT_FALSE(rel.absolute);
    EXPECT_EQ(dn::format(rel), "agentTableType=\"CMIP\"/agentId=id:\"x\"");
    const auto abs = dn::resolve(rel, dn::system_dn("vm"));
    EXPECT_TRUE(abs.absolute);
    EXPECT_EQ(dn::format(abs), "/systemId=name:\"vm\"/agentTableType=\"CMIP\"/agentId=id:\"x\"");
    // An absolute name is not moved.
    EXPECT_EQ(dn::resolve(dn::system_dn("a"), dn::system_dn("b")), dn::system_dn("a"));

    const auto sys = dn::system_dn("s");
    const auto table = parsed("/systemId=name:\"s\"/agentTableType=\"RPC\"");
    const auto agent = parsed("/systemId=name:\"s\"/agentTableType=\"RPC\"/agentId=id:\"h\"");
    EXPECT_TRUE(dn::is_prefix(sys, agent));
    EXPECT_TRUE(dn::is_child(table, agent));
    EXPECT_FALSE(dn::is_child(sys, agent));
    EXPECT_FALSE(dn::is_prefix(agent, table));
    EXPECT_EQ(dn::child(table, dn::Rdn{"agentId", "id:\"h\""}), agent);
}

TEST(DnParse, ErrorsSayWhatIsWrong)
{
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"/a=1//b=2", "no \"=\""},
        {"/a=1/", "no \"=\""},
        {"/novalue", "no \"=\""},
        {"/a=", "no value"},
        {"/1a=2", "invalid attribute"},
        {"/a b=2", "invalid attribute"},
        {"/systemId=name:\"open", "unterminated"},
        {"/k={1 2", "unbalanced"},
        {"/k=1 2}", "unbalanced"},
    };
    for (const auto& bad : cases) {
        std::string why;
        EXPECT_FALSE(dn::parse(bad.text, &why)) << bad.text;
        EXPECT_NE(why.find(bad.says), std::string::npos) << bad.text << " gave: " << why;
        EXPECT_FALSE(dn::canonical(std::string_view(bad.text)));
    }
}
