// How topology node attribute values are spelt in the protocol's JSON
// (docs/protocol.md, class topoNode), both ways.
#pragma once

#include <nlohmann/json.hpp>

#include "platform/QvStatus.hpp"
#include "platform/QvTopoNode.hpp"

class ReplyReader;

namespace topo_json {

// Reads every attribute of a node in a get reply as documented, so that a
// value of another shape is a problem of the reply.
void check_attributes(ReplyReader& attrs);

nlohmann::json from_dns(const RWTValSlist<QvTopoNodeDn>& dns);
QvStatus to_dns(const nlohmann::json& value, RWTValSlist<QvTopoNodeDn>& dns);

nlohmann::json from_location(const QvTopoNode::Location& location);
// A location record: {"x", "y", "z"}, with "parent" in logicalLocations.
QvTopoNode::Location to_location(ReplyReader& value);

nlohmann::json from_locations(const RWTValSlist<QvTopoNode::Location>& points);
QvStatus to_locations(const nlohmann::json& value, RWTValSlist<QvTopoNode::Location>& points);

// Two node names that mean the same node, however they are spelt.
bool same_node(const std::string& a, const std::string& b);

}  // namespace topo_json
