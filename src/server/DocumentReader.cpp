#include "server/DocumentReader.hpp"

#include "protocol/Frame.hpp"
#include "server/RequestError.hpp"

namespace qv::server {

using Kind = SaxEvent::Kind;

DocumentText DocumentReader::read(std::string_view text, const char* member, const std::string& what)
{
    std::string why;
    if (!qv::proto::nesting_allowed(text, &why))
        throw RequestError(ErrorCode::Malformed, what + ": " + why);
    DocumentText out;
    DocumentReader reader(out, member);
    if (member)
        reader.state_ = State::Seeking;
    if (!nlohmann::json::sax_parse(text, static_cast<SaxEvents*>(&reader)) || !reader.syntax_error().empty())
        throw RequestError(ErrorCode::Malformed, what + ": not valid JSON");
    return out;
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
