// The start-up steps that prepare the mode the tool runs in, after the
// windows are built and the rights are read. The agent model, the agent
// tables, the pages and the header plug in here.
#pragma once

#include "platform/Types.hpp"

// Agent mode: creates the current agent of protocol_type and, for a
// non-empty host name, fills in its defaults.
void init_agent_mode(const RWCString& name);

// The main window's agent table.
void init_table();

// The four property pages on the main window.
void init_book();

// The header (name and type) and the node list from the command line; in
// create mode the window is titled "Zentra - Create Object".
void init_header(RWCString name, RWCString id, RWCString visible_children, RWCString bus_locations,
                 RWCString parent, RWCString link, RWCString type);

