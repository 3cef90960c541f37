// Process-wide start-up state: the server chosen, the mode flags fixed for
// the whole run, and the last status the start-up code checked.
#pragma once

#include "platform/Platform.hpp"
#include "platform/QvStatus.hpp"

// Management server host name (heap, never freed).
extern char* server;
// Agent flag: 0 none, 1 CMIP, 2 MIS, 3 RPC, 4 SNMP.
extern int protocol_type;
// Agent mode: one agent configuration dialog is the only window.
extern unsigned char create_managed_obj;
// Create mode: the main window prepares a new topology object.
extern unsigned char create_node;
// Result of the last topology call the start-up code checked.
extern QvStatus status;
// The platform debugging channel "tolvar_debug" (the tool writes nothing to it).
extern Debug tolvar_debug;

// The version text put into window titles.
inline constexpr const char* kVersionText = "4.0";
