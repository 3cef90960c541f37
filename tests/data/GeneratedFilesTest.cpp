// The committed glyphs, maps, backgrounds and topology documents are what
// their generators under tools/ write today: nobody edited one by hand and
// forgot the script, or the other way round.
#include "DataPaths.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "support/TempDir.hpp"

using namespace qv::datatest;

namespace {

class Generated : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("python3 -c 'import sys' >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "python3 is not installed";
    }
    void generate(const std::string& script, const std::string& out)
    {
        const std::string command = "python3 '" + source_path("tools/" + script) + "' '" + dir_.path() + out + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    void expect_same(const std::string& committed, const std::string& generated)
    {
        EXPECT_TRUE(read_file(source_path(committed)) == read_file(dir_.path() + generated))
            << committed << " differs from what its generator writes";
    }

    qv::test::TempDir dir_;
};

}  // namespace

TEST_F(Generated, GlyphsMapsAndBackgroundsMatchTheirGenerators)
{
    generate("gen-glyphs.py", "/glyphs");
    for (const char* name : {"Router", "World", "Monitor", "Array", "FiberLink", "TokenRing", "Domain",
                             "member", "object"})
        expect_same(std::string("data/glyphs/") + name + ".pm", std::string("/glyphs/") + name + ".pm");
    generate("gen-maps.py", "");
    for (const char* name : {"world", "europe", "japan"}) {
        expect_same(std::string("data/mapdata/") + name + ".map", std::string("/mapdata/") + name + ".map");
        expect_same(std::string("data/backgrounds/") + name + ".xpm", std::string("/backgrounds/") + name + ".xpm");
    }
    expect_same("data/backgrounds/floor-plan.xpm", "/backgrounds/floor-plan.xpm");
}

TEST_F(Generated, TopologyDocumentsMatchTheirGenerators)
{
    generate("gen-demo-topology.py", "/demo.json");
    generate("gen-fixture-topology.py", "/fixture.json");
    expect_same("data/demo/topology.json", "/demo.json");
    expect_same("data/fixture/topology.json", "/fixture.json");
}
