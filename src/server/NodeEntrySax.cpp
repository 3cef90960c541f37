#include "server/NodeEntrySax.hpp"

#include <cstring>

#include "server/JsonCheck.hpp"

namespace qv::server {
namespace {

using Kind = SaxEvent::Kind;

const char* const kAxes[] = {"parent", "x", "y", "z"};

bool node_number(const SaxEvent& e)
{
    return e.kind == Kind::Unsigned && e.unsigned_number >= 1 && e.unsigned_number <= kMaxNodeId;
}

bool coordinate(const SaxEvent& e)
{
    return (e.kind == Kind::Unsigned && e.unsigned_number <= static_cast<std::uint64_t>(check::kInt32Max)) ||
           (e.kind == Kind::Integer && e.integer >= check::kInt32Min);
}

std::int64_t value_of(const SaxEvent& e)
{
    return e.kind == Kind::Unsigned ? static_cast<std::int64_t>(e.unsigned_number) : e.integer;
}

}  // namespace

void NodeEntrySax::start()
{
    entry_ = NodeEntry();
    rest_ = nlohmann::json();
    is_object_ = true;
    state_ = State::Begin;
}

const nlohmann::json& NodeEntrySax::rest() const
{
    static const nlohmann::json no_members = nlohmann::json::object();
    return is_object_ && rest_.is_null() ? no_members : rest_;
}

bool NodeEntrySax::feed(SaxEvent& e)
{
    switch (state_) {
    case State::Begin:
        if (e.kind == Kind::ObjectStart) {
            state_ = State::Members;
            return false;
        }
        is_object_ = false;
        capture_.start(rest_);
        after_capture_ = State::Done;
        state_ = capture_.feed(e) ? State::Done : State::Capturing;
        break;
    case State::Members:
        if (e.kind == Kind::Key) {
            begin_member(*e.text);
            state_ = State::Value;
        } else {
            state_ = State::Done;  // the entry's end
        }
        break;
    case State::Value:
        take_value(e);
        break;
    case State::Ids:
        take_id(e);
        break;
    case State::Places:
    case State::Place:
        take_place(e);
        break;
    case State::PlaceValue:
        take_place_value(e);
        break;
    case State::Capturing:
        if (capture_.feed(e))
            state_ = after_capture_;
        break;
    case State::Done:
        break;
    }
    return state_ == State::Done;
}

void NodeEntrySax::begin_member(std::string& key)
{
    // A member given twice counts once, at its last place, as in JSON read whole.
    if (rest_.is_object())
        rest_.erase(key);
    key_ = key;
    if (key == "id") {
        member_ = Member::Id;
        entry_.id = 0;
    } else if (key == "name") {
        member_ = Member::Name;
        entry_.name.reset();
    } else if (key == "type") {
        member_ = Member::Type;
        entry_.type.reset();
    } else if (key == "parents") {
        member_ = Member::Parents;
        entry_.parents.reset();
    } else if (key == "links") {
        member_ = Member::Links;
        entry_.links.reset();
    } else if (key == "locations") {
        member_ = Member::Locations;
        entry_.locations.reset();
    } else {
        member_ = Member::Other;
    }
}

void NodeEntrySax::take_value(SaxEvent& e)
{
    switch (member_) {
    case Member::Id:
        if (!node_number(e))
            return capture(e);
        entry_.id = value_of(e);
        break;
    case Member::Name:
    case Member::Type:
        if (e.kind != Kind::String)
            return capture(e);
        (member_ == Member::Name ? entry_.name : entry_.type) = std::move(*e.text);
        break;
    case Member::Parents:
    case Member::Links:
        if (e.kind != Kind::ArrayStart)
            return capture(e);
        (member_ == Member::Parents ? entry_.parents : entry_.links).emplace();
        state_ = State::Ids;
        return;
    case Member::Locations:
        if (e.kind != Kind::ArrayStart)
            return capture(e);
        entry_.locations.emplace();
        state_ = State::Places;
        return;
    case Member::Other:
        return capture(e);
    }
    state_ = State::Members;
}

std::vector<std::int64_t>* NodeEntrySax::ids()
{
    auto& list = member_ == Member::Parents ? entry_.parents : entry_.links;
    return list ? &*list : nullptr;
}

void NodeEntrySax::take_id(SaxEvent& e)
{
    if (e.kind == Kind::ArrayEnd)
        state_ = State::Members;
    else if (node_number(e))
        ids()->push_back(value_of(e));
    else
        capture(e);
}

void NodeEntrySax::take_place(SaxEvent& e)
{
    if (state_ == State::Places) {
        if (e.kind == Kind::ArrayEnd) {
            state_ = State::Members;
        } else if (e.kind == Kind::ObjectStart) {
            place_ = NodeLocation();
            place_seen_ = 0;
            state_ = State::Place;
        } else {
            capture(e);
        }
        return;
    }
    if (e.kind == Kind::ObjectEnd && (place_seen_ & (1u << kParent))) {
        entry_.locations->push_back(place_);
        state_ = State::Places;
        return;
    }
    if (e.kind == Kind::Key) {
        for (int axis = kParent; axis <= kZ; ++axis)
            if (*e.text == kAxes[axis]) {
                place_axis_ = axis;
                state_ = State::PlaceValue;
                return;
            }
    }
    capture(e);
}

void NodeEntrySax::take_place_value(SaxEvent& e)
{
    if (place_axis_ == kParent ? !node_number(e) : !coordinate(e))
        return capture(e);
    std::int64_t* fields[] = {&place_.parent, &place_.x, &place_.y, &place_.z};
    *fields[place_axis_] = value_of(e);
    place_seen_ |= 1u << place_axis_;
    state_ = State::Place;
}

void NodeEntrySax::capture(SaxEvent& e)
{
    if (!rest_.is_object())
        rest_ = nlohmann::json::object();
    capture_.start(rest_[key_]);
    if (state_ == State::Ids)
        replay_ids();
    else if (state_ == State::Places || state_ == State::Place || state_ == State::PlaceValue)
        replay_places();
    after_capture_ = State::Members;
    state_ = capture_.feed(e) ? State::Members : State::Capturing;
}

void NodeEntrySax::replay_ids()
{
    replay(Kind::ArrayStart);
    for (const std::int64_t id : *ids())
        replay(Kind::Unsigned, id);
    (member_ == Member::Parents ? entry_.parents : entry_.links).reset();
}

void NodeEntrySax::replay_places()
{
    replay(Kind::ArrayStart);
    for (const auto& p : *entry_.locations) {
        replay(Kind::ObjectStart);
        for (int axis = kParent; axis <= kZ; ++axis)
            replay(Kind::Unsigned, axis == kParent ? p.parent : axis == kX ? p.x : axis == kY ? p.y : p.z,
                   kAxes[axis]);
        replay(Kind::ObjectEnd);
    }
    if (state_ != State::Places) {
        replay(Kind::ObjectStart);
        const std::int64_t values[] = {place_.parent, place_.x, place_.y, place_.z};
        for (int axis = kParent; axis <= kZ; ++axis)
            if (place_seen_ & (1u << axis))
                replay(Kind::Unsigned, values[axis], kAxes[axis]);
        if (state_ == State::PlaceValue)
            replay(Kind::Key, 0, kAxes[place_axis_]);
    }
    entry_.locations.reset();
}

void NodeEntrySax::replay(SaxEvent::Kind kind, std::int64_t value, const char* key)
{
    std::string name = key ? key : "";
    if (key) {
        SaxEvent k{Kind::Key};
        k.text = &name;
        capture_.feed(k);
        if (kind == Kind::Key)
            return;
    }
    SaxEvent e{kind};
    if (kind == Kind::Unsigned && value < 0) {
        e.kind = Kind::Integer;
        e.integer = value;
    } else {
        e.unsigned_number = static_cast<std::uint64_t>(value);
    }
    capture_.feed(e);
}

}  // namespace qv::server
