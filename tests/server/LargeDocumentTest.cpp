// A document larger than any frame goes in and comes out through qv_admin,
// in parts and pages that each fit in a frame.
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/TestServer.hpp"

using nlohmann::json;

TEST(LargeDocument, TwentyMebibytesLoadAndDumpThroughQvAdmin)
{
    qv::test::ServerOptions options;
    options.system_name = "big";
    options.extra_args = {"--max-frame", "4194304"};
    qv::test::TestServer server(options);

    const int kNodes = 40000;
    json doc{{"format", "qv-topology"},
             {"version", 1},
             {"types", {{{"name", "View"}, {"kinds", {"view"}}}, {{"name", "Host"}, {"kinds", {"device"}}}}}};
    doc["nodes"].push_back({{"id", 1}, {"name", "root"}, {"type", "View"}});
    for (int id = 2; id <= kNodes; ++id)
        // Children before their parent's siblings: forward references across parts.
        doc["nodes"].push_back({{"id", id},
                                {"name", "n" + std::to_string(id)},
                                {"type", id % 100 == 0 ? "View" : "Host"},
                                {"parents", {id % 100 == 0 ? 1 : (id / 100 + 1) * 100}},
                                {"background", std::string(480, 'b')}});
    const std::string path = server.dir() + "/large.json";
    std::ofstream(path) << doc.dump();
    ASSERT_GT(doc.dump().size(), 20u << 20);

    qv::test::RunOptions run;
    run.env = server.client_env();
    run.timeout_seconds = 600;
    const auto loaded = qv::test::run_binary("qv_admin", {"load", path}, run);
    ASSERT_EQ(loaded.exit_status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find(std::to_string(kNodes) + " nodes"), std::string::npos) << loaded.out;

    const auto dumped = qv::test::run_binary("qv_admin", {"dump"}, run);
    ASSERT_EQ(dumped.exit_status, 0) << dumped.err;
    const json objects = json::parse(dumped.out);
    std::size_t nodes = 0;
    for (const auto& o : objects)
        if (o["class"] == "topoNode") {
            ++nodes;
            if (o["attrs"]["name"] != "root") {
                EXPECT_EQ(o["attrs"].value("viewBackgroundImage", ""), std::string(480, 'b'));
            }
        }
    EXPECT_EQ(nodes, static_cast<std::size_t>(kNodes));
    EXPECT_NE(server.log().find("loaded a topology"), std::string::npos);
}
