// Prepares a new topology object, link or bus from the command line: checks
// the ids against the server and builds the object in memory as the first
// entry of the node list. Apply creates it on the server.
#pragma once

#include "platform/Types.hpp"

// On any error shows why and appends nothing.
void add_new_node_to_list(const RWCString& name, const RWCString& parent, const RWCString& link,
                          const RWCString& type, const RWCString& visible_children,
                          const RWCString& bus_locations);
