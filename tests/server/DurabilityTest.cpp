// What was acknowledged survives: a clean stop and restart, and a kill -9
// in the middle of a stream of writes, after which the database is intact
// and every change has its audit entry, every entry its change.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <set>

#include "RawClient.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::RawClient;
using qv::test::ServerOptions;
using qv::test::TestServer;

namespace {

const char* const kDocument = R"({"format": "qv-topology", "version": 1,
  "types": [{"name": "World", "kinds": ["view"]}, {"name": "Router", "kinds": ["device"]}],
  "nodes": [{"id": 1, "name": "World", "type": "World"}]})";

ServerOptions options()
{
    ServerOptions o;
    o.system_name = "dur";
    o.load_text = kDocument;
    return o;
}

std::unique_ptr<RawClient> connect(const TestServer& server)
{
    auto c = std::make_unique<RawClient>(server.port());
    c->hello();
    return c;
}

json create(RawClient& c, const std::string& name)
{
    return c.request("create", {{"class", "topoNode"},
                                {"attrs", {{"name", name}, {"typeName", "Router"},
                                           {"parents", {"/systemId=name:\"dur\"/topoNodeId=1"}}}}});
}

std::string integrity(const std::string& path)
{
    sqlite3* db = nullptr;
    std::string result;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            db, "PRAGMA integrity_check",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) += values[0] ? values[0] : "";
                return 0;
            },
            &result, nullptr);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace

TEST(Durability, SigtermStopsCleanlyAndARestartKeepsTheData)
{
    TestServer server(options());
    auto c = connect(server);
    const std::string dn = create(*c, "survivor")["dn"];
    c->ok("set", {{"dn", dn}, {"attrs", {{"geoLocation", {{"longitude", 12.5}, {"latitude", -3.25}}}}}});
    c->ok("user.add", {{"name", "later"}, {"password", "pw"}, {"rights", {"CreateObjects"}}});
    EXPECT_EQ(server.stop(), 0);
    EXPECT_TRUE(c->closed_by_server());
    EXPECT_NE(server.log().find("terminated"), std::string::npos);

    server.restart();
    c = connect(server);
    const json attrs = c->ok("get", {{"dn", dn}})["attrs"];
    EXPECT_EQ(attrs["name"], "survivor");
    EXPECT_EQ(attrs["geoLocation"], json({{"longitude", 12.5}, {"latitude", -3.25}}));
    EXPECT_EQ(c->ok("topo.find_by_name", {{"name", "survivor"}})["nodes"], json({dn}));
    EXPECT_EQ(c->ok("user.list")["users"][0]["name"], "later");
    // A restart does not hand out a number again.
    EXPECT_NE(create(*c, "next")["dn"], dn);
}

TEST(Durability, KillNineDuringWritesKeepsEveryAcknowledgedWrite)
{
    TestServer server(options());
    std::vector<std::string> acknowledged;
    {
        auto c = connect(server);
        // Writes in flight: several requests sent at once, replies read as
        // they come; the server dies while some are still unanswered. A read
        // before each write: reads arriving together share a transaction,
        // which must not hold back the write's commit.
        std::string burst;
        for (int i = 0; i < 400; ++i) {
            burst += qv::proto::encode_frame(json{{"id", 2 * i + 1}, {"op", "get"}, {"dn", "topoNodeId=1"}});
            burst += qv::proto::encode_frame(
                json{{"id", 2 * i + 2},
                     {"op", "create"},
                     {"class", "topoNode"},
                     {"attrs", {{"name", "n" + std::to_string(i)}, {"typeName", "Router"},
                                {"parents", {"/systemId=name:\"dur\"/topoNodeId=1"}}}}});
        }
        c->send_bytes(burst);
        for (int i = 0; i < 800; ++i) {
            auto reply = c->receive(30);
            if (!reply)
                break;
            if (reply->contains("event") || (*reply)["id"].get<int>() % 2 == 1)
                continue;
            if ((*reply)["ok"] == true)
                acknowledged.push_back((*reply)["dn"]);
            if (acknowledged.size() == 150)
                server.kill9();
        }
    }
    ASSERT_GE(acknowledged.size(), 150u);
    EXPECT_EQ(integrity(server.db_path()), "ok");
    server.restart();
    auto c = connect(server);
    for (const auto& dn : acknowledged)
        ASSERT_TRUE(c->ok("exists", {{"dn", dn}})["exists"]) << dn;
    // Nothing half-made: every node that exists is whole and indexed.
    const json images = c->ok("derive", {{"derivation", "/systemId=name:\"dur\"/*/CMISFilter(objectClass=topoNode)"},
                                         {"album", 1}})["images"];
    std::set<std::string> created;
    for (const auto& image : images) {
        const json attrs = c->ok("get", {{"dn", image["dn"]}})["attrs"];
        EXPECT_EQ(attrs["typeName"].get<std::string>().empty(), false);
        if (attrs["name"] != "World") {
            EXPECT_EQ(c->ok("topo.find_by_name", {{"name", attrs["name"]}})["nodes"].size(), 1u);
            created.insert(image["dn"].get<std::string>());
        }
    }
    std::multiset<std::string> recorded;
    for (json page = c->ok("audit.query", {{"operation", "create"}, {"limit", 1000}});;
         page = c->ok("audit.query", {{"operation", "create"}, {"limit", 1000}, {"before", page["next"]}})) {
        for (const auto& entry : page["entries"])
            recorded.insert(entry["dn"].get<std::string>());
        if (!page.contains("next"))
            break;
    }
    EXPECT_EQ(recorded, std::multiset<std::string>(created.begin(), created.end()));
    EXPECT_EQ(c->ok("audit.verify")["problems"], 0);
    EXPECT_EQ(integrity(server.db_path()), "ok");
}
