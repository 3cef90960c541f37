// Every map file in the share tree follows the format of data/mapdata/README.
#include "DataPaths.hpp"

#include <gtest/gtest.h>
#include <sstream>

using namespace qv::datatest;

namespace {

struct Bounds {
    double west = 0, south = 0, east = 0, north = 0;
};

// Checks one file; returns what is wrong with it.
std::vector<std::string> check_map(const std::string& path)
{
    std::vector<std::string> errors;
    auto lines = read_lines(path);
    if (lines.size() < 3 || lines[0] != "# qv map 1" || lines[1].rfind("map ", 0) != 0)
        return {"header missing"};
    Bounds b;
    std::istringstream bounds(lines[2]);
    std::string word;
    if (!(bounds >> word >> b.west >> b.south >> b.east >> b.north) || word != "bounds" ||
        b.west >= b.east || b.south >= b.north)
        return {"bad bounds line: " + lines[2]};
    int points = -1;  // -1: outside a land or border block
    for (std::size_t i = 3; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        in >> word;
        double lon = 0, lat = 0;
        if (points < 0 && (word == "land" || word == "border")) {
            points = 0;
        } else if (points >= 0 && word == "end") {
            if (points < 3)
                errors.push_back("polygon of fewer than 3 points before line " + std::to_string(i + 1));
            points = -1;
        } else if (points >= 0) {
            std::istringstream pt(lines[i]);
            if (!(pt >> lon >> lat) || lon < -180 || lon > 180 || lat < -90 || lat > 90)
                errors.push_back("bad point at line " + std::to_string(i + 1));
            ++points;
        } else if (word == "place") {
            if (!(in >> lon >> lat) || lon < b.west || lon > b.east || lat < b.south || lat > b.north)
                errors.push_back("place outside the map at line " + std::to_string(i + 1));
        } else if (!word.empty() && word[0] != '#') {
            errors.push_back("unknown line " + std::to_string(i + 1) + ": " + lines[i]);
        }
    }
    if (points >= 0)
        errors.push_back("last block has no end");
    return errors;
}

}  // namespace

TEST(MapFiles, AreInstalledAndFollowTheMapFormat)
{
    const auto names = share_files("mapdata", ".map");
    EXPECT_GE(names.size(), 5u);
    for (const auto& name : names)
        for (const auto& error : check_map(share_path("mapdata/" + name)))
            ADD_FAILURE() << name << ": " << error;
}
