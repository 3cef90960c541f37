// A request frame read into JSON, but for the documents of a load: the value
// of a top-level "document" or "part" that is an object stays in the frame's
// text, for the loader to read on a worker thread (DocumentReader). The
// network thread only checks its syntax, instead of building a document of
// thousands of entries as JSON objects that the loader would take apart again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/Call.hpp"
#include "server/JsonCapture.hpp"
#include "server/JsonText.hpp"
#include "server/SaxEvents.hpp"

namespace qv::server {

class RequestReader : private SaxEvents {
public:
    // The members whose object values stay in the text.
    static bool stays_in_text(const std::string& member) { return member == "document" || member == "part"; }

    // The request, or nothing and why (not JSON, not an object, nested too
    // deep: the frame's own faults). in_text receives the members left in body.
    static std::optional<nlohmann::json> read(std::string_view body, std::vector<TextMember>& in_text,
                                              std::string* why);

private:
    // The common shape, from the members of a text known to be JSON;
    // nothing when the text is of another shape, for read_events.
    static std::optional<nlohmann::json> read_around_documents(std::string_view body,
                                                               const std::vector<json_text::Member>& members,
                                                               std::vector<TextMember>& in_text);
    static std::optional<nlohmann::json> read_events(std::string_view body, std::vector<TextMember>& in_text,
                                                     std::string* why);

    explicit RequestReader(nlohmann::json& out, std::vector<TextMember>& in_text) : out_(out), in_text_(in_text) {}
    bool on(SaxEvent& e) override;

    nlohmann::json& out_;
    std::vector<TextMember>& in_text_;
    JsonCapture builder_;
    int depth_ = 0;          // of the request itself
    int skipping_ = 0;       // depth within a value left in the text
    std::string held_key_;   // a member that may stay in the text, its value not seen yet
    bool holding_ = false;
};

}  // namespace qv::server
