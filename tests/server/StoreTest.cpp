// The store in-process: schema versions, and a write that fails half-way
// leaving nothing behind.
#include <gtest/gtest.h>

#include <fstream>

#include "server/Backend.hpp"
#include "server/EventHub.hpp"
#include "server/RequestError.hpp"
#include "server/Rights.hpp"
#include "server/StoreError.hpp"
#include "server/WriteRunner.hpp"
#include "support/TempDir.hpp"

using nlohmann::json;
using namespace qv::server;

namespace {

const char* const kTypes = R"({"format": "qv-topology", "version": 1,
  "syntaxes": {"contact": "OCTET STRING"},
  "types": [{"name": "World", "kinds": ["view"]}, {"name": "Router", "kinds": ["device"], "attributes": ["contact"]}],
  "nodes": [{"id": 1, "name": "World", "type": "World"}]})";

class Store : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend_ = std::make_unique<Backend>(db_path(), "st");
        backend_->load_file(dir_.write_file("types.json", kTypes));
    }
    std::string db_path() const { return dir_.path() + "/qv.db"; }
    std::size_t count(const std::string& table)
    {
        StatementUse s(backend_->db.prepare("SELECT count(*) FROM " + table));
        s->step();
        return static_cast<std::size_t>(s->integer(0));
    }
    json router(const std::string& name)
    {
        return json{{"name", name}, {"typeName", "Router"}, {"parents", {"/systemId=name:\"st\"/topoNodeId=1"}}};
    }

    qv::test::TempDir dir_;
    std::unique_ptr<Backend> backend_;
    EventHub hub_;
    const RightSet all_{rights::all().begin(), rights::all().end()};
};

}  // namespace

TEST_F(Store, AFailingRequestLeavesNothingOfItself)
{
    WriteRunner writes(backend_->db, hub_, backend_->audit);
    const std::size_t objects = count("objects"), refs = count("topo_refs"), nodes = count("topo_nodes");
    const std::size_t entries = count("audit");
    EXPECT_THROW(writes.run(Actor{"tester", "test", "127.0.0.1"}, "create", [&](ChangeSet& changes) {
        backend_->service.create(all_, "", "topoNode", router("first"), "", changes);
        backend_->service.create(all_, "", "topoNode", json{{"name", "second"}, {"typeName", "Nope"}}, "", changes);
        return json::object();
    }),
                 RequestError);
    EXPECT_EQ(count("objects"), objects);
    EXPECT_EQ(count("topo_refs"), refs);
    EXPECT_EQ(count("topo_nodes"), nodes);
    EXPECT_EQ(count("audit"), entries);
    EXPECT_TRUE(backend_->index.find_by_name("first", {}).empty());
    EXPECT_FALSE(backend_->db.in_transaction());
    // The number the failed request took is handed out again: nothing of it stayed.
    ChangeSet changes;
    Transaction t(backend_->db);
    EXPECT_EQ(backend_->service.create(all_, "", "topoNode", router("third"), "", changes),
              "/systemId=name:\"st\"/topoNodeId=2");
    t.commit();
}

TEST_F(Store, AStorageErrorRollsBackToo)
{
    WriteRunner writes(backend_->db, hub_, backend_->audit);
    const std::size_t objects = count("objects");
    EXPECT_THROW(writes.run(Actor{"tester", "test", "127.0.0.1"}, "create", [&](ChangeSet& changes) {
        backend_->service.create(all_, "", "topoNode", router("before the failure"), "", changes);
        // A row the schema refuses: the same DN twice.
        backend_->objects.insert(StoredObject{"/systemId=name:\"st\"", "/", "system", json::object()});
        return json::object();
    }),
                 StoreError);
    EXPECT_EQ(count("objects"), objects);
}

TEST_F(Store, ADocumentWithOneBadEntryIsNotLoadedAtAll)
{
    const char* const doc = R"({"format": "qv-topology", "version": 1,
      "syntaxes": {"serial": "INTEGER"},
      "types": [{"name": "Switch", "kinds": ["device"], "attributes": ["serial"]}],
      "nodes": [{"id": 10, "name": "ok", "type": "Switch", "parents": [1]},
                {"id": 11, "name": "bad", "type": "Switch", "parents": [12]}],
      "users": [{"name": "u", "password": "p", "rights": []}]})";
    const std::size_t objects = count("objects");
    try {
        backend_->load_file(dir_.write_file("bad.json", doc));
        FAIL() << "the document loaded";
    } catch (const RequestError& e) {
        EXPECT_NE(std::string(e.what()).find("nodes[1] (id 11)"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("topoNodeId=12"), std::string::npos) << e.what();
    }
    EXPECT_EQ(count("objects"), objects);
    EXPECT_FALSE(backend_->syntaxes.find("serial"));
    EXPECT_FALSE(backend_->users.find("u"));
    EXPECT_FALSE(backend_->types.find("Switch"));
}

TEST_F(Store, ForwardReferencesInADocumentAreResolved)
{
    const char* const doc = R"({"format": "qv-topology", "version": 1,
      "nodes": [{"id": 20, "name": "child", "type": "Router", "parents": [21]},
                {"id": 21, "name": "later-parent", "type": "World", "parents": [1]}]})";
    const json counts = backend_->load_file(dir_.write_file("fwd.json", doc));
    EXPECT_EQ(counts["nodes"], 2);
    EXPECT_EQ(backend_->index.parents("/systemId=name:\"st\"/topoNodeId=20"),
              std::vector<std::string>{"/systemId=name:\"st\"/topoNodeId=21"});
}

TEST_F(Store, LoadingAgainReplacesEntriesAndRemovesNothingElse)
{
    const char* const first = R"({"format": "qv-topology", "version": 1,
      "nodes": [{"id": 30, "name": "old", "type": "Router", "parents": [1], "geo": {"longitude": 1, "latitude": 2}},
                {"id": 31, "name": "kept", "type": "Router"}]})";
    const char* const second = R"({"format": "qv-topology", "version": 1,
      "nodes": [{"id": 30, "name": "new", "type": "Router"}]})";
    backend_->load_file(dir_.write_file("1.json", first));
    backend_->load_file(dir_.write_file("2.json", second));
    const auto node = backend_->service.get("/systemId=name:\"st\"/topoNodeId=30");
    EXPECT_EQ(node.attrs["name"], "new");
    EXPECT_EQ(node.attrs["parents"], json::array());
    EXPECT_EQ(node.attrs["geoLocation"], json({{"longitude", 0.0}, {"latitude", 0.0}}));
    EXPECT_TRUE(backend_->objects.exists("/systemId=name:\"st\"/topoNodeId=31"));
}

TEST_F(Store, SchemaVersionIsRecordedAndANewerOneRefused)
{
    EXPECT_EQ(backend_->db.schema_version(), Database::kSchemaVersion);
    backend_->db.exec("PRAGMA user_version=99");
    backend_.reset();
    try {
        Backend again(db_path(), "st");
        FAIL() << "a newer schema was opened";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("newer"), std::string::npos) << e.what();
    }
}

TEST_F(Store, AFileThatIsNoDatabaseIsRefused)
{
    const std::string junk = dir_.write_file("junk.db", std::string(8192, 'x'));
    EXPECT_THROW(Backend(junk, "st"), StoreError);
    EXPECT_THROW(Backend(dir_.path() + "/no/such/dir/qv.db", "st"), StoreError);
}
