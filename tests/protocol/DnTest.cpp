// Distinguished names in every form the tool and the server build.
#include <gtest/gtest.h>

#include <iterator>
#include <random>

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

TEST(DnParse, EachFormTheToolBuildsReadsBackAsWritten)
{
    const struct {
        const char* text;
        std::size_t size;
        const char* last_value;
        const char* last_text;
    } rows[] = {
        {"/systemId=name:\"sysA\"/internetClassId={1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}/cmipsnmpProxyAgentId=\"hostB\"", 3,
         "\"hostB\"", "hostB"},
        {"/systemId=name:\"sysA\"/agentTableType=\"RPC\"/agentId=id:\"h1\"", 3, "id:\"h1\"", "h1"},
        {"/systemId=name:\"sysA\"/agentTableType=\"CMIP\"/agentId=id:\"osi-1\"", 3, "id:\"osi-1\"", "osi-1"},
        {"/systemId=name:\"sysA\"/topoNodeId=12", 2, "12", "12"},
        {"/systemId=name:\"sysA\"/topoTypeId=\"Router\"", 2, "\"Router\"", "Router"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto d = parsed(row.text);
        ASSERT_EQ(d.size(), row.size);
        EXPECT_TRUE(d.absolute);
        EXPECT_EQ(dn::format(d), row.text);
        EXPECT_EQ(dn::system_of(d), "sysA");
        EXPECT_EQ(d.rdns.back().value, row.last_value);
        EXPECT_EQ(dn::value_text(d.rdns.back().value), row.last_text);
    }
    // The object identifier in braces is one value, blanks and all.
    EXPECT_EQ(parsed(rows[0].text).rdns[1], (dn::Rdn{"internetClassId", "{1 3 6 1 4 1 42 2 2 2 9 2 4 1 0}"}));
    const auto node = parsed(rows[3].text);
    EXPECT_TRUE(dn::is_child(dn::system_dn("sysA"), node));
    EXPECT_EQ(dn::parent(node), dn::system_dn("sysA"));
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

// The quick check made before parsing: whatever it takes as canonical, the
// full canonicalisation (parse, canonical, format) spells the same way.
TEST(DnCanonical, PlainSpellingsAreTakenAsTheyStand)
{
    EXPECT_TRUE(dn::is_plainly_canonical("/systemId=name:\"vm\"/topoNodeId=12"));
    EXPECT_TRUE(dn::is_plainly_canonical("topoNodeId=12"));
    for (const char* other : {"/systemId=vm", "/systemId=\"vm\"", "/systemId=name:\"a b\"", "/", ""})
        EXPECT_FALSE(dn::is_plainly_canonical(other)) << other;
    // Names made of plain and not so plain parts, half of them with one
    // character changed.
    const char* const attrs[] = {"systemId", "topoNodeId", "id", "a-b", "1x"};
    const char* const values[] = {"12", "\"x\"", "name:\"vm\"", "id:\"a-1\"", "x", "\"x y\"", "{1 2}", "name : \"x\""};
    const std::string changes = "/=:\" \\{}1a\t";
    std::mt19937 random(7);
    int plain = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string text = random() % 2 ? "/" : "";
        for (int n = 0, parts = 1 + static_cast<int>(random() % 3); n < parts; ++n)
            text += std::string(n > 0 ? "/" : "") + attrs[random() % std::size(attrs)] + "=" +
                    values[random() % std::size(values)];
        if (random() % 2)
            text[random() % text.size()] = changes[random() % changes.size()];
        if (dn::is_plainly_canonical(text)) {
            ++plain;
            const auto full = dn::parse(text);
            ASSERT_EQ(full ? dn::format(dn::canonical(*full).value_or(dn::Dn{})) : "(no DN)", text);
        }
    }
    EXPECT_GT(plain, 10000);
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
