// The server's table of CMIP agent entities: their ids, read from an album
// that the server keeps current, so entities created later by anyone are
// reported to the CMIP agents as they appear.
#pragma once

#include "platform/Image.hpp"
#include "platform/Types.hpp"

// An entity's id as the combo shows it: its "agentId" text, an object
// identifier from its "{", a distinguished name in canonical form.
RWCString getAgentId(Image& image);

// The ids of every CMIP agent entity on the server. The album behind them
// tracks the table: an entity created later reaches agent_added_cb. Each
// call replaces the album of the previous one.
void get_fdn_table(RWTValSlist<RWCString>& ids);

// The album's "IMAGE_INCLUDED": the new entity's id joins the CMIP agents'
// list and combo.
void agent_added_cb(void* client_data, void* event);
