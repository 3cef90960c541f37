// What the server reads besides requests: derivation texts, MIB files, its
// command line, and the syntax check of a load's frame.
#include <unistd.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "server/CommandLine.hpp"
#include "server/Derivation.hpp"
#include "server/JsonSyntax.hpp"
#include "server/MibModules.hpp"
#include "server/RequestError.hpp"
#include "support/TempDir.hpp"

using namespace qv::server;

TEST(DerivationText, BaseAndFilter)
{
    auto d = parse_derivation("/systemId=\"s\"/agentTableType=\"CMIP\"/*", "local");
    EXPECT_EQ(d.base, "/systemId=name:\"s\"/agentTableType=\"CMIP\"");
    EXPECT_EQ(d.cls, "");
    d = parse_derivation("/*", "local");
    EXPECT_EQ(d.base, "/");
    d = parse_derivation("agentTableType=\"CMIP\"/*/CMISFilter(objectClass=cmipAgentEntity)", "local");
    EXPECT_EQ(d.base, "/systemId=name:\"local\"/agentTableType=\"CMIP\"");
    EXPECT_EQ(d.cls, "cmipAgentEntity");
    // A "/*" inside a quoted value is part of the name.
    d = parse_derivation("/systemId=name:\"a/*b\"/*", "local");
    EXPECT_EQ(d.base, "/systemId=name:\"a/*b\"");
}

TEST(DerivationText, OtherFormsAreRefused)
{
    for (const char* text : {"/systemId=name:\"s\"", "/systemId=name:\"s\"/*/CMISFilter(name=x)",
                             "/systemId=name:\"s\"/*/CMISFilter(objectClass=x"}) {
        try {
            parse_derivation(text, "local");
            ADD_FAILURE() << text;
        } catch (const RequestError& e) {
            EXPECT_EQ(e.code(), ErrorCode::Malformed) << text;
        }
    }
    try {
        parse_derivation("/bad name=1/*", "local");
        ADD_FAILURE();
    } catch (const RequestError& e) {
        EXPECT_EQ(e.code(), ErrorCode::InvalidName);
    }
}

// A load's frame is checked without the parser; a frame must be taken or
// refused as the parser would.
TEST(FrameSyntax, AcceptsExactlyWhatTheParserAccepts)
{
    const std::string texts[] = {
        R"({"a":[1,-0,0.5,1E+2,-1e-2,true,false,null,{},[]],"b":{"c":"\u00e9\ud83d\ude00\/\t"}})",
        "\xEF\xBB\xBF{}", "\xEF\xBB{}", " [ 1 , 2 ] ", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\"",
        "123456789012345678901234567890", "1e400", "-1e-400", "[1,]", "{\"a\":1,}", "{\"a\" 1}", "{1:2}",
        "01", "1.", ".5", "-", "1e", "+1", "[1 2]", "tru", "nul", "{}x", "{} {}", "", " ",
        "\"\\ud800\"", "\"\\udc00\"", "\"\\ud800\\u0041\"", "\"\\x\"", "\"\\u12g4\"", "\"a\tb\"",
        "\"\xC0\x80\"", "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xE0\x9F\xBF\"", "\"\xFF\"",
        std::string("{}\0junk", 7), std::string("[1,\0]", 5), "\"unterminated"};
    for (const auto& text : texts)
        EXPECT_EQ(json_syntax::valid(text), nlohmann::json::accept(text)) << text;

    json_syntax::Shape shape;
    ASSERT_TRUE(json_syntax::valid(R"( {"id" : 7, "part":{"nodes":[[{}]]} } )", &shape));
    EXPECT_EQ(shape.depth, 5u);
    ASSERT_EQ(shape.members.size(), 2u);
    EXPECT_EQ(shape.members[0].key, "id");
    EXPECT_EQ(shape.members[0].value, "7");
    EXPECT_EQ(shape.members[1].key, "part");
    EXPECT_EQ(shape.members[1].value, R"({"nodes":[[{}]]})");
}

TEST(MibFiles, ModuleNameIsTheIdentifierBeforeDefinitions)
{
    EXPECT_EQ(mib_module_name("-- a comment DEFINITIONS ::= BEGIN\nIF-MIB DEFINITIONS ::= BEGIN\nIMPORTS"),
              "IF-MIB");
    EXPECT_EQ(mib_module_name("RFC1213-MIB\n  DEFINITIONS\n ::=\n BEGIN"), "RFC1213-MIB");
    EXPECT_EQ(mib_module_name("no module here"), "");
    EXPECT_EQ(mib_module_name("X DEFINITIONS ::= END"), "");
}

TEST(MibFiles, EveryFileOfADirectoryCountsAndAMissingDirectoryIsSkipped)
{
    qv::test::TempDir dir;
    dir.write_file("b.txt", "B-MIB DEFINITIONS ::= BEGIN\nEND\n");
    dir.write_file("a.my", "A-MIB DEFINITIONS ::= BEGIN\nEND\n");
    dir.write_file("README", "nothing to see\n");
    dir.write_file("dup.txt", "A-MIB DEFINITIONS ::= BEGIN\nEND\n");
    dir.write_file("sub/c.txt", "C-MIB DEFINITIONS ::= BEGIN\nEND\n");
    ASSERT_EQ(symlink("/proc/self/status", (dir.path() + "/link.txt").c_str()), 0);
    ASSERT_EQ(symlink("/proc", (dir.path() + "/sub/out").c_str()), 0);
    const std::vector<std::string> roots{dir.path()};
    EXPECT_EQ(mib_modules(dir.path(), roots), (std::vector<std::string>{"A-MIB", "B-MIB"}));
    EXPECT_EQ(mib_modules(dir.path() + "/sub/", roots), (std::vector<std::string>{"C-MIB"}));
    EXPECT_TRUE(mib_modules(dir.path() + "/missing", roots).empty());
    // Only below the operator's directories, however the name is spelt.
    for (const std::string& outside : {std::string("/proc"), dir.path() + "/sub/out", dir.path() + "/../",
                                      std::string("relative")})
        EXPECT_THROW(mib_modules(outside, roots), qv::server::RequestError) << outside;
}

TEST(ServerCommandLine, DefaultsAndTheEqualsForm)
{
    // The other options are given by every TestServer.
    auto c = parse_command_line({"--port=0", "--listen", "0.0.0.0"});
    EXPECT_EQ(c.config.port, 0);
    EXPECT_EQ(c.config.listen, "0.0.0.0");
    auto defaults = parse_command_line({});
    EXPECT_EQ(defaults.config.port, 5555);
    EXPECT_EQ(defaults.config.listen, "127.0.0.1");
    EXPECT_EQ(defaults.config.system_name, host_name());
    EXPECT_FALSE(defaults.config.require_login);
}

TEST(ServerCommandLine, BadOptionsNameTheProblem)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--port", "70000"}, "--port"},
        {{"--port", "12x"}, "--port"},
        {{"--db"}, "needs a value"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--max-frame", "10"}, "--max-frame"},
        {{"--system-name", "a\"b"}, "double quote"},
        {{"--require-login=yes"}, "takes no value"},
        {{"--idle-timeout", "-1"}, "--idle-timeout"},
        {{"--max-connections", "0"}, "--max-connections"},
        {{"--tls-cert", "c.pem"}, "go together"},
    };
    for (const auto& [args, says] : cases) {
        try {
            parse_command_line(args);
            ADD_FAILURE() << args[0];
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
        }
    }
}
