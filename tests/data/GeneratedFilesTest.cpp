// The committed glyphs, maps, backgrounds and topology documents are what
// their generators under tools/ write today: nobody edited one by hand and
// forgot the script, or the other way round.
#include "DataPaths.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

using namespace qv::datatest;

namespace {

class Generated : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("python3 -c 'import sys' >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "python3 is not installed";
        char pattern[] = "/tmp/qv-generated-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override
    {
        if (!dir_.empty())
            std::system(("rm -rf '" + dir_ + "'").c_str());
    }
    void generate(const std::string& script, const std::string& out)
    {
        const std::string command = "python3 '" + source_path("tools/" + script) + "' '" + out + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    void expect_same(const std::string& committed, const std::string& generated)
    {
        EXPECT_TRUE(read_file(source_path(committed)) == read_file(generated))
            << committed << " differs from what its generator writes";
    }

    std::string dir_;
};

}  // namespace

TEST_F(Generated, GlyphsMatchTheirGenerator)
{
    generate("gen-glyphs.py", dir_);
    for (const char* name : {"Router", "World", "Monitor", "Array", "FiberLink", "TokenRing", "Domain",
                             "member", "object"})
        expect_same(std::string("data/glyphs/") + name + ".pm", dir_ + "/" + name + ".pm");
}

TEST_F(Generated, MapsAndBackgroundsMatchTheirGenerator)
{
    generate("gen-maps.py", dir_);
    for (const char* name : {"world", "europe", "japan"}) {
        expect_same(std::string("data/mapdata/") + name + ".map", dir_ + "/mapdata/" + name + ".map");
        expect_same(std::string("data/backgrounds/") + name + ".xpm", dir_ + "/backgrounds/" + name + ".xpm");
    }
    expect_same("data/backgrounds/floor-plan.xpm", dir_ + "/backgrounds/floor-plan.xpm");
}

TEST_F(Generated, TopologyDocumentsMatchTheirGenerators)
{
    generate("gen-demo-topology.py", dir_ + "/demo.json");
    generate("gen-fixture-topology.py", dir_ + "/fixture.json");
    expect_same("data/demo/topology.json", dir_ + "/demo.json");
    expect_same("data/fixture/topology.json", dir_ + "/fixture.json");
}
