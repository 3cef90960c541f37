// Reads one entry of a document's "nodes" from SAX events. The members most
// entries are made of (id, name, type, parents, links, locations) are taken
// as plain values when they have their usual shape; every other member, and
// one of those in another shape (which is then always an error), is built as
// JSON for read_node_entry, which checks it and names what is wrong as for any
// document read as JSON.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/JsonCapture.hpp"
#include "server/NodeEntry.hpp"
#include "server/SaxEvents.hpp"

namespace qv::server {

class NodeEntrySax {
public:
    // A new entry begins with the next event.
    void start();
    // One event of the entry; true once the entry is complete.
    bool feed(SaxEvent& e);

    // What was read as plain values, and the rest as JSON (the entry itself
    // when it is no object). Valid once the entry is complete.
    NodeEntry& read() { return entry_; }
    const nlohmann::json& rest() const;

private:
    enum class Member { Id, Name, Type, Parents, Links, Locations, Other };
    enum class State { Begin, Members, Value, Ids, Places, Place, PlaceValue, Capturing, Done };
    enum Axis { kParent, kX, kY, kZ };

    void begin_member(std::string& key);
    void take_value(SaxEvent& e);
    void take_id(SaxEvent& e);
    void take_place(SaxEvent& e);
    void take_place_value(SaxEvent& e);
    // The member's value is not of its usual shape: what was read of it so
    // far, then e, go to the JSON builder instead.
    void capture(SaxEvent& e);
    void replay_ids();
    void replay_places();
    void replay(SaxEvent::Kind kind, std::int64_t value = 0, const char* key = nullptr);
    std::vector<std::int64_t>* ids();

    NodeEntry entry_;
    nlohmann::json rest_;
    bool is_object_ = true;
    State state_ = State::Done;
    State after_capture_ = State::Members;
    Member member_ = Member::Other;
    std::string key_;
    JsonCapture capture_;
    NodeLocation place_;  // the location being read
    unsigned place_seen_ = 0;  // bits of Axis
    int place_axis_ = kParent;
};

}  // namespace qv::server
