#include "server/RequestReader.hpp"

#include "protocol/Frame.hpp"

namespace qv::server {

std::optional<nlohmann::json> RequestReader::read(std::string_view body, std::vector<std::string>& in_text,
                                                  std::string* why)
{
    in_text.clear();
    // Only loads carry a document: every other request is small, and the
    // plain parser reads it quicker than the events below.
    if (body.find("\"document\"") == std::string_view::npos && body.find("\"part\"") == std::string_view::npos)
        return qv::proto::parse_body(body, why);
    if (!qv::proto::nesting_allowed(body, why))
        return std::nullopt;
    nlohmann::json request;
    RequestReader reader(request, in_text);
    reader.builder_.start(request);
    if (!nlohmann::json::sax_parse(body, static_cast<SaxEvents*>(&reader)) || !reader.syntax_error().empty()) {
        if (why)
            *why = "frame body is not valid JSON";
        return std::nullopt;
    }
    if (!request.is_object()) {
        if (why)
            *why = "frame body is not a JSON object";
        return std::nullopt;
    }
    return request;
}

bool RequestReader::on(SaxEvent& e)
{
    if (skipping_ > 0) {
        skipping_ += e.opens() ? 1 : e.closes() ? -1 : 0;
        return true;
    }
    if (holding_) {
        holding_ = false;
        if (e.kind == SaxEvent::Kind::ObjectStart) {
            skipping_ = 1;
            in_text_.push_back(held_key_);
            return true;
        }
        SaxEvent key{SaxEvent::Kind::Key};
        key.text = &held_key_;
        builder_.feed(key);
    } else if (e.kind == SaxEvent::Kind::Key && depth_ == 1 && stays_in_text(*e.text)) {
        held_key_ = *e.text;
        holding_ = true;
        return true;
    }
    depth_ += e.opens() ? 1 : e.closes() ? -1 : 0;
    builder_.feed(e);
    return true;
}

}  // namespace qv::server
