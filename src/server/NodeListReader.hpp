// Reads a document's "nodes" list straight from its text when every entry
// has the usual shape (NodeEntrySax's plain values, any other member as
// JSON), as the SAX reader would read it, but without an event per token.
// Gives up on anything else (an escaped key, a member given twice, a value
// of another shape), for the SAX reader to read the document instead. The
// text must be JSON already checked (json_syntax::valid).
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/NodeEntry.hpp"

namespace qv::server {

class NodeListReader {
public:
    // list: the text of the "nodes" array. False when it is not of the
    // usual shape; out is then incomplete.
    static bool read(std::string_view list, std::vector<std::pair<NodeEntry, nlohmann::json>>& out);

private:
    explicit NodeListReader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

    bool list(std::vector<std::pair<NodeEntry, nlohmann::json>>& out);
    bool entry(NodeEntry& e, nlohmann::json& rest);
    bool member(std::string_view key, NodeEntry& e, nlohmann::json& rest, unsigned& seen);
    bool ids(std::vector<std::int64_t>& out);
    bool places(std::vector<NodeLocation>& out);
    bool place(NodeLocation& out);
    bool key(std::string_view& out);
    bool text(std::string& out);
    bool number(std::int64_t& out, bool& negative);
    bool node_number(std::int64_t& out);
    bool skip_value(std::string_view& out);
    void space();
    bool take(char c);
    bool take_end()
    {
        space();
        return p_ == end_;
    }

    const char* p_;
    const char* end_;
};

}  // namespace qv::server
