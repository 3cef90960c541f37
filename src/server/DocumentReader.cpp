#include "server/DocumentReader.hpp"

#include "protocol/Frame.hpp"
#include "server/JsonSyntax.hpp"
#include "server/JsonText.hpp"
#include "server/NodeListReader.hpp"
#include "server/RequestError.hpp"

namespace qv::server {

using Kind = SaxEvent::Kind;

DocumentText DocumentReader::read(std::string_view text, const char* member, const std::string& what,
                                  bool checked)
{
    DocumentText out;
    if (read_usual(text, member, checked, out))
        return out;
    out = DocumentText();
    std::string why;
    if (!qv::proto::nesting_allowed(text, &why))
        throw RequestError(ErrorCode::Malformed, what + ": " + why);
    DocumentReader reader(out, member);
    if (member)
        reader.state_ = State::Seeking;
    if (!nlohmann::json::sax_parse(text, static_cast<SaxEvents*>(&reader)) || !reader.syntax_error().empty())
        throw RequestError(ErrorCode::Malformed, what + ": not valid JSON");
    return out;
}

bool DocumentReader::read_usual(std::string_view text, const char* member, bool checked, DocumentText& out)
{
    // The parser stops at a NUL byte; such a text is the SAX reader's, and
    // so is one nested too deep, which it refuses. A text checked so before
    // needs only its members found.
    json_syntax::Shape shape;
    if (checked) {
        if (member || !json_text::split_members(text, shape.members))
            return false;
    } else if (text.find('\0') != std::string_view::npos || !json_syntax::valid(text, &shape) ||
               shape.depth > qv::proto::kMaxNesting) {
        return false;
    }
    std::vector<json_text::Member> own;
    const std::vector<json_text::Member>* members = &shape.members;
    if (member) {
        // A member given twice counts at its last place.
        const json_text::Member* document = nullptr;
        for (const auto& m : shape.members) {
            if (m.key.find('\\') != std::string_view::npos)
                return false;
            if (m.key == member)
                document = &m;
        }
        if (!document || !json_text::split_members(document->value, own))
            return false;
        members = &own;
    }
    if (!member) {
        // No object (or one after a byte order mark): the events say what it is.
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        if (first == std::string_view::npos || text[first] != '{')
            return false;
    }
    out.head = nlohmann::json::object();
    bool nodes_read = false;
    for (const auto& m : *members) {
        if (m.key.find('\\') != std::string_view::npos)
            return false;
        if (m.key == "nodes") {
            if (nodes_read || m.value.front() != '[' || !NodeListReader::read(m.value, out.nodes))
                return false;
            nodes_read = true;
            continue;
        }
        auto value = nlohmann::json::parse(m.value, nullptr, false);
        if (value.is_discarded())
            return false;
        out.head[std::string(m.key)] = std::move(value);
    }
    return true;
}

bool DocumentReader::on(SaxEvent& e)
{
    switch (state_) {
    case State::Seeking:
    case State::Skipping:
        return seek(e);
    case State::Begin:
        if (e.kind == Kind::ObjectStart) {
            out_.head = nlohmann::json::object();
            state_ = State::Members;
            return true;
        }
        // No object: kept whole, for the loader to say so.
        capture_.start(out_.head);
        after_capture_ = State::After;
        state_ = capture_.feed(e) ? State::After : State::Capturing;
        return true;
    case State::Members:
        if (e.kind == Kind::ObjectEnd) {
            state_ = State::After;
        } else {
            key_ = *e.text;
            state_ = State::Member;
        }
        return true;
    case State::Member:
        // The last "nodes" counts, as in JSON read whole.
        if (key_ == "nodes") {
            out_.nodes.clear();
            out_.head.erase("nodes");
        }
        if (key_ == "nodes" && e.kind == Kind::ArrayStart) {
            state_ = State::Nodes;
            return true;
        }
        capture_.start(out_.head[key_]);
        after_capture_ = State::Members;
        state_ = capture_.feed(e) ? State::Members : State::Capturing;
        return true;
    case State::Nodes:
        if (e.kind == Kind::ArrayEnd) {
            state_ = State::Members;
            return true;
        }
        node_.start();
        state_ = State::Node;
        take_node(e);
        return true;
    case State::Node:
        take_node(e);
        return true;
    case State::Capturing:
        if (capture_.feed(e))
            state_ = after_capture_;
        return true;
    case State::After:
        // The rest of the text around a member read: only its syntax matters.
        return member_ ? seek(e) : true;
    }
    return true;
}

void DocumentReader::take_node(SaxEvent& e)
{
    if (!node_.feed(e))
        return;
    out_.nodes.emplace_back(std::move(node_.read()), node_.rest());
    state_ = State::Nodes;
}

bool DocumentReader::seek(SaxEvent& e)
{
    // depth_ counts the containers open around the request's own members;
    // a member given twice counts at its last place.
    if (depth_ == 1 && e.kind == Kind::Key && *e.text == member_) {
        out_ = DocumentText();
        state_ = State::Begin;
        return true;
    }
    depth_ += e.opens() ? 1 : e.closes() ? -1 : 0;
    if (state_ == State::After)
        state_ = State::Skipping;
    return true;
}

}  // namespace qv::server
