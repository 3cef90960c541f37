// Small lookups shared by start-up, creation and Apply: command-line ids,
// number formatting and bus points. Host names and status texts live with
// the agents, which need them too (agents/HostAddress, agents/StatusText).
#pragma once

#include "agents/HostAddress.hpp"
#include "agents/StatusText.hpp"
#include "platform/QvStatus.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/Types.hpp"
#include "platform/Words.hpp"

// An id is "system:number" or a number alone. Returns the number, or -1 when
// none can be read; id is rewritten to the system name (default_system when
// the id names none).
long get_node_id(RWCString& id, const RWCString& default_system);

// 0 only for text made of digits, blanks and "." with at least one digit.
int is_blank(const char* text);

// Decimal text in a static buffer, overwritten by the next call.
char* itoa(int value);

// A bus point "x:y:z"; missing parts read as 0, like atoi.
QvTopoNode::Location get_location(const RWCString& point);
