// Small lookups shared by start-up, creation, Apply and the agent code:
// command-line ids, host names, number formatting and status texts.
#pragma once

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

// The dotted IPv4 address of a host, or "" when it does not resolve.
RWCString get_address(const RWCString& host);
int is_valid_host(const RWCString& host);

// The status as its output operator prints it, cut to 199 characters.
RWCString get_error_str(const QvStatus& status);


// A bus point "x:y:z"; missing parts read as 0, like atoi.
QvTopoNode::Location get_location(const RWCString& point);
