// A topology document cut into parts that each fit in a frame, read without
// ever holding the whole document: each part is a document of its own (with
// the "format" and "version" of the whole), the first holding every member
// but the long lists ("nodes", "objects", "users"), the next ones holding
// runs of those lists' entries, in the document's order. Shared by qv_admin,
// which sends the parts, and qv_server, which loads a file the same way.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace qv::proto {

class DocumentParts {
public:
    // A part is given on when its entries' JSON passes this many bytes.
    static constexpr std::size_t kDefaultPartBytes = 256u << 10;

    using Sink = std::function<void(nlohmann::json part)>;

    // Reads the file twice (first the short members, then the lists) and
    // gives each part to sink. Throws std::runtime_error when the file cannot
    // be read or is not a JSON object.
    static void split_file(const std::string& path, const Sink& sink, std::size_t part_bytes = kDefaultPartBytes);

    // The members whose entries are sent in runs.
    static bool is_long_list(const std::string& member);
};

}  // namespace qv::proto
