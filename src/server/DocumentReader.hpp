// A topology document (or a part of one) read from its JSON text: its
// members as JSON, but the entries of a "nodes" list read as they come
// (NodeEntrySax), never built as JSON objects. The document may be the
// text itself or the value of a top-level member of it (a request's "part"
// or "document", left in the frame by RequestReader).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/JsonCapture.hpp"
#include "server/NodeEntrySax.hpp"
#include "server/SaxEvents.hpp"

namespace qv::server {

struct DocumentText {
    // Every member but a "nodes" that is a list; not an object when the
    // document is none.
    nlohmann::json head;
    // The "nodes" entries: what was read as plain values, and the rest.
    std::vector<std::pair<NodeEntry, nlohmann::json>> nodes;
};

class DocumentReader : private SaxEvents {
public:
    // Reads text, or the value of its top-level member when member is not
    // null. RequestError (code 1) "<what>: not valid JSON" or nested too deep.
    // checked: text is known to be JSON within the nesting limit, no NUL in it.
    static DocumentText read(std::string_view text, const char* member, const std::string& what,
                             bool checked = false);

private:
    enum class State { Seeking, Skipping, Begin, Members, Member, Nodes, Node, Capturing, After };

    // The usual document, read by looking at its text (NodeListReader);
    // false for any other, which the events read.
    static bool read_usual(std::string_view text, const char* member, bool checked, DocumentText& out);

    DocumentReader(DocumentText& out, const char* member) : out_(out), member_(member) {}
    bool on(SaxEvent& e) override;
    bool seek(SaxEvent& e);
    void take_node(SaxEvent& e);

    DocumentText& out_;
    const char* member_;
    State state_ = State::Begin;
    State after_capture_ = State::Members;
    int depth_ = 0;  // while seeking or skipping
    std::string key_;
    JsonCapture capture_;
    NodeEntrySax node_;
};

}  // namespace qv::server
