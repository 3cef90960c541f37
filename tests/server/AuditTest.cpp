// The audit trail against the real server: one entry per accepted change,
// with who, from where, before and after; none for a refused one; queries by
// subtree, user and time, in pages; a row changed behind the server's back
// found by qv_admin audit --verify; retention that keeps the chain whole.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>

#include "RawClient.hpp"
#include "SharedServerSuite.hpp"
#include "TestTopology.hpp"
#include "support/TestServer.hpp"

using nlohmann::json;
using qv::test::node_dn;
using qv::test::RawClient;
using qv::test::RunResult;
using qv::test::ServerOptions;
using qv::test::TestServer;

namespace {

const char* const kSystem = "aud";

ServerOptions audited(std::vector<std::string> extra_args = {})
{
    ServerOptions o = qv::test::small_topology_server(kSystem, true);
    o.extra_args = std::move(extra_args);
    return o;
}

std::string node(long id) { return node_dn(kSystem, id); }

// A connection logged in as user (password = name), from address.
std::unique_ptr<RawClient> as(const TestServer& server, const std::string& user,
                              const std::string& address = "127.0.0.1")
{
    auto c = std::make_unique<RawClient>(server.port(), address);
    c->hello("qv_test", user);
    EXPECT_EQ(c->login(user, user)["ok"], true) << user;
    return c;
}

// Every entry the filter selects, newest first, page after page.
json entries(RawClient& c, json filter, int page = 1000)
{
    json all = json::array();
    filter["limit"] = page;
    for (;;) {
        const json reply = c.ok("audit.query", filter);
        for (const auto& e : reply["entries"])
            all.push_back(e);
        if (!reply.contains("next"))
            return all;
        filter["before"] = reply["next"];
    }
}

std::int64_t newest_id(RawClient& c)
{
    const json newest = c.ok("audit.query", {{"limit", 1}})["entries"];
    return newest.empty() ? 0 : newest[0]["id"].get<std::int64_t>();
}

json entries_after(RawClient& c, std::int64_t id)
{
    json out = json::array();
    const json reply = c.ok("audit.query", {{"limit", 100}});
    for (const auto& e : reply["entries"])
        if (e["id"] > id)
            out.push_back(e);
    return out;
}

RunResult admin(const TestServer& server, const std::vector<std::string>& args) { return server.admin(args, "admin"); }

void sql(const TestServer& server, const std::string& statement)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(server.db_path().c_str(), &db), SQLITE_OK);
    sqlite3_busy_timeout(db, 10000);
    EXPECT_EQ(sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// Entries 2 to 4 after the load's: node 4 named a, b and c.
void rename_three_times(const TestServer& server)
{
    auto c = as(server, "admin");
    for (const char* name : {"a", "b", "c"})
        c->ok("set", {{"dn", node(4)}, {"attrs", {{"name", name}}}});
}

class Audit : public qv::test::SharedServerSuite<Audit> {
public:
    static ServerOptions options() { return audited(); }
};

}  // namespace

TEST_F(Audit, EachAcceptedChangeIsOneEntryWithWhoWhereBeforeAndAfter)
{
    struct Case {
        const char* what;
        const char* address;
        const char* op;
        json params;
        json expected;  // the entry's fields that say what changed
    };
    const std::vector<Case> cases = {
        {"rename", "127.0.0.2", "set", {{"dn", node(5)}, {"attrs", {{"name", "router2b"}}}},
         {{"operation", "set"}, {"dn", node(5)}, {"before", {{"name", "router2"}}},
          {"after", {{"name", "router2b"}}}}},
        {"delete", "127.0.0.3", "delete", {{"dn", node(6)}},
         {{"operation", "delete"}, {"dn", node(6)}, {"after", json::object()}}},
        {"rights", "127.0.0.4", "user.grant", {{"name", "viewer"}, {"rights", {"ReadAudit"}}},
         {{"operation", "user.grant"}, {"account", "viewer"}, {"before", {{"rights", {"RunObjectProperties"}}}},
          {"after", {{"rights", {"ReadAudit", "RunObjectProperties"}}}}}},
    };
    for (const auto& c : cases) {
        auto client = as(*server_, "admin", c.address);
        const std::int64_t last = newest_id(*client);
        client->ok(c.op, c.params);
        const json made = entries_after(*client, last);
        ASSERT_EQ(made.size(), 1u) << c.what << ": " << made.dump();
        const json& e = made[0];
        EXPECT_EQ(e["user"], "admin") << c.what;
        EXPECT_EQ(e["address"], c.address) << c.what;
        EXPECT_EQ(e["program"], "qv_test") << c.what;
        for (auto it = c.expected.begin(); it != c.expected.end(); ++it)
            EXPECT_EQ(e[it.key()], it.value()) << c.what << ": " << it.key();
    }
    // The deleted node's last attributes.
    const json deleted = entries(*as(*server_, "viewer"), {{"dn", node(6)}, {"operation", "delete"}});
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0]["before"]["name"], "mon");
    EXPECT_EQ(deleted[0]["before"]["monitorMaxVisible"], 2);
}

TEST_F(Audit, RefusedAndEmptyWritesRecordNothing)
{
    auto admin_client = as(*server_, "admin");
    const std::int64_t last = newest_id(*admin_client);
    auto nocoord = as(*server_, "nocoord");
    const json moved = {{"geoLocation", {{"longitude", 2.0}, {"latitude", 3.0}}}};
    EXPECT_EQ(nocoord->request("set", {{"dn", node(4)}, {"attrs", moved}})["code"], 5);
    EXPECT_EQ(nocoord->request("set", {{"dn", node(4)}, {"attrs", {{"monitorRotation", 400}}}})["code"], 6);
    EXPECT_EQ(nocoord->request("set", {{"dn", node(4)}, {"attrs", {{"name", "router1"}}}})["ok"], true);
    EXPECT_EQ(nocoord->request("user.grant", {{"name", "nocoord"}, {"rights", {"Admin"}}})["ok"], true);
    EXPECT_EQ(as(*server_, "noadmin")->request("audit.query")["code"], 5);
    EXPECT_EQ(entries_after(*admin_client, last), json::array());
}

TEST_F(Audit, QueriesBySubtreeUserAndTimeInPages)
{
    auto admin_client = as(*server_, "admin");
    auto nocoord = as(*server_, "nocoord");
    admin_client->ok("set", {{"dn", node(2)}, {"attrs", {{"name", "Europe-1"}}}});
    const std::int64_t first_time = entries(*admin_client, {{"dn", node(2)}})[0]["time"];
    // The next change must come a millisecond later, for the time filter to tell them apart.
    const auto now_ms = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    };
    while (now_ms() <= first_time) {
    }
    nocoord->ok("set", {{"dn", node(2)}, {"attrs", {{"name", "Europe-2"}}}});
    admin_client->ok("set", {{"dn", node(3)}, {"attrs", {{"name", "London-1"}}}});

    // A subtree, newest first; pages of one entry give what one page gives.
    const json below_system = entries(*admin_client, {{"dn", qv::test::system_dn(kSystem)}});
    EXPECT_EQ(below_system[0]["dn"], node(3));
    EXPECT_EQ(below_system[1]["after"]["name"], "Europe-2");
    EXPECT_EQ(entries(*admin_client, {{"dn", qv::test::system_dn(kSystem)}}, 1), below_system);

    // Through qv_admin: by node, user, time and number, times as it prints
    // them, one line per change.
    const RunResult listed = admin(*server_, {"audit", "--dn", node(2), "--json"});
    ASSERT_EQ(listed.exit_status, 0) << listed.err;
    const json printed = json::parse(listed.out);
    ASSERT_EQ(printed.size(), 2u);
    const std::string second = printed[0]["time"];
    for (const auto& [args, names] : std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
             {{"--since", second}, {"Europe-2"}},
             {{"--until", second}, {"Europe-1"}},
             {{"--user", "nocoord"}, {"Europe-2"}},
             {{"--limit", "1"}, {"Europe-2"}}}) {
        std::vector<std::string> words = {"audit", "--dn", "2", "--json"};
        words.insert(words.end(), args.begin(), args.end());
        const RunResult r = admin(*server_, words);
        ASSERT_EQ(r.exit_status, 0) << args[0] << ": " << r.err;
        std::vector<std::string> got;
        for (const auto& e : json::parse(r.out))
            got.push_back(e["after"]["name"]);
        EXPECT_EQ(got, names) << args[0];
    }
    const RunResult lines = admin(*server_, {"audit", "--dn", "2"});
    EXPECT_NE(lines.out.find("nocoord@127.0.0.1 (qv_test) set " + node(2) + " name: \"Europe-1\" -> \"Europe-2\"\n"),
              std::string::npos)
        << lines.out;
    EXPECT_EQ(admin(*server_, {"audit", "--since", "yesterday"}).exit_status, 2);
}

TEST(AuditChain, RowsChangedOrRemovedByHandAreFoundByVerify)
{
    TestServer server(audited());
    rename_three_times(server);
    const RunResult whole = admin(server, {"audit", "--verify"});
    EXPECT_EQ(whole.exit_status, 0) << whole.err;
    EXPECT_NE(whole.out.find("checked 4 entries: the chain is whole"), std::string::npos) << whole.out;

    // Entries 1 (the load at start) to 4, spoilt one after the other.
    const std::vector<std::pair<std::string, std::string>> tamperings = {
        {"UPDATE audit SET username = 'someone' WHERE id = 2", "entry 2 was changed"},
        {"DELETE FROM audit WHERE id = 3", "entry 3 was removed"},
        {"DELETE FROM audit WHERE id = 4", "entries 3 to 4 were removed"},  // the newest
    };
    for (const auto& [statement, found] : tamperings) {
        sql(server, statement);
        const RunResult r = admin(server, {"audit", "--verify"});
        EXPECT_EQ(r.exit_status, 1) << statement;
        EXPECT_NE(r.out.find(found), std::string::npos) << statement << ": " << r.out;
        EXPECT_NE(r.err.find("changed behind the server's back"), std::string::npos) << r.err;
    }
}

TEST(AuditChain, RetentionDropsOldEntriesAndKeepsTheChainWhole)
{
    TestServer server(audited({"--audit-days", "30"}));
    rename_three_times(server);
    server.stop();
    // The load and the first change, as if made 40 days ago.
    sql(server, "UPDATE audit SET time_ms = time_ms - 40 * 86400000 WHERE id <= 2");
    server.restart();
    auto c = as(server, "admin");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (c->ok("audit.stats")["entries"] != 2)
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "old entries were not dropped";
    const json left = entries(*c, json::object());
    EXPECT_EQ(left[1]["after"]["name"], "b");
    EXPECT_EQ(c->ok("audit.verify")["problems"], 0);
}
