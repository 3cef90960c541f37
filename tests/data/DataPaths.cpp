#include "DataPaths.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/RunBinary.hpp"

namespace qv::datatest {

std::string source_path(const std::string& relative) { return qv::test::source_dir() + "/" + relative; }

std::string share_path(const std::string& relative) { return std::string(QV_DATA_SHARE_DIR) + "/" + relative; }

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> read_lines(const std::string& path)
{
    std::istringstream in(read_file(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> share_files(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(share_path(dir), missing)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            names.push_back(name);
    }
    return names;
}

nlohmann::json load_document(const std::string& relative) { return nlohmann::json::parse(read_file(source_path(relative))); }

}  // namespace qv::datatest
