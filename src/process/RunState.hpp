// Process-wide state fixed at start-up and read by every layer above: the
// connection, the server chosen, the mode flags and the last status the
// start-up code checked. Start-up is the only writer.
#pragma once

#include "platform/Platform.hpp"
#include "platform/QvStatus.hpp"

// The connection to the management server, kept for the life of the process.
// Its global is qv (main/Connect.hpp); this reaches the same object from
// code where qv names the protocol's namespace.
Platform* server_connection();
// For code that makes its own connection (tests of the model).
void set_server_connection(Platform* platform);
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

// The server's host name as a string ("" before start-up chose one).
inline RWCString server_name() { return server ? server : ""; }

// The version text put into window titles.
inline constexpr const char* kVersionText = "4.0";
