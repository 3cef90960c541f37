// Where the data tests find the sources and the built share tree (QV_HOME).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace qv::datatest {

std::string source_path(const std::string& relative);  // in the source tree
std::string share_path(const std::string& relative);   // in build/share/qv

std::string read_file(const std::string& path);
std::vector<std::string> read_lines(const std::string& path);
// The names of the files in a directory of the share tree ending in suffix.
std::vector<std::string> share_files(const std::string& dir, const std::string& suffix);

// A topology document of the source tree, e.g. "data/demo/topology.json".
nlohmann::json load_document(const std::string& relative);

}  // namespace qv::datatest
