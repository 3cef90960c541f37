#include "server/RequestReader.hpp"

#include <algorithm>

#include "protocol/Frame.hpp"
#include "server/JsonSyntax.hpp"
#include "server/JsonText.hpp"

namespace qv::server {

std::optional<nlohmann::json> RequestReader::read(std::string_view body, std::vector<TextMember>& in_text,
                                                  std::string* why)
{
    in_text.clear();
    // Only loads carry a document: every other request is small, and the
    // plain parser reads it quicker than the events below.
    if (body.find("\"document\"") == std::string_view::npos && body.find("\"part\"") == std::string_view::npos)
        return qv::proto::parse_body(body, why);
    // The parser stops at a NUL byte, the nesting check does not: such a
    // text is read as before.
    if (body.find('\0') != std::string_view::npos)
        return qv::proto::nesting_allowed(body, why) ? read_events(body, in_text, why) : std::nullopt;
    // One look at the text tells its syntax, depth and members; a text that
    // fails is looked at again for the reason the plain parser would give.
    json_syntax::Shape shape;
    if (!json_syntax::valid(body, &shape) || shape.depth > qv::proto::kMaxNesting) {
        if (qv::proto::nesting_allowed(body, why) && why)
            *why = "frame body is not valid JSON";
        return std::nullopt;
    }
    if (auto request = read_around_documents(body, shape.members, in_text))
        return request;
    return read_events(body, in_text, why);
}

std::optional<nlohmann::json> RequestReader::read_around_documents(std::string_view body,
                                                                   const std::vector<json_text::Member>& members,
                                                                   std::vector<TextMember>& in_text)
{
    // All members but the documents are read as a small request. Keys spelt
    // with escapes, a document given twice and a text that is no object are
    // left to the events below.
    if (members.empty())
        return std::nullopt;
    std::string rest = "{";
    std::vector<std::string> seen;  // the members that may stay in the text
    for (const auto& m : members) {
        if (m.key.find('\\') != std::string_view::npos) {
            in_text.clear();
            return std::nullopt;
        }
        const std::string key(m.key);
        if (stays_in_text(key)) {
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
                in_text.clear();
                return std::nullopt;
            }
            seen.push_back(key);
            if (m.value.front() == '{') {
                in_text.push_back({key, static_cast<std::size_t>(m.value.data() - body.data()), m.value.size()});
                continue;
            }
        }
        if (rest.size() > 1)
            rest += ',';
        rest.append(m.key.data() - 1, m.key.size() + 2);
        rest += ':';
        rest += m.value;
    }
    rest += '}';
    auto request = nlohmann::json::parse(rest, nullptr, false);
    if (request.is_discarded()) {
        in_text.clear();
        return std::nullopt;
    }
    return request;
}

std::optional<nlohmann::json> RequestReader::read_events(std::string_view body, std::vector<TextMember>& in_text,
                                                         std::string* why)
{
    in_text.clear();
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
            in_text_.push_back({held_key_});
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
