// Builds the JSON value that the next SAX events spell, with nlohmann's own
// builder, and says when it is complete: how a reader keeps as JSON the parts
// of its input it does not read itself.
#pragma once

#include <optional>

#include <nlohmann/json.hpp>

#include "server/SaxEvents.hpp"

namespace qv::server {

class JsonCapture {
public:
    // The events from now on build target (which must outlive the capture).
    void start(nlohmann::json& target);
    bool active() const { return builder_.has_value(); }
    // One event of the value; true once the value is complete (then the
    // capture is inactive again).
    bool feed(SaxEvent& e);

private:
    std::optional<nlohmann::detail::json_sax_dom_parser<nlohmann::json>> builder_;
    int depth_ = 0;
};

}  // namespace qv::server
