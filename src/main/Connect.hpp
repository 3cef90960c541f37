// The connection to the management server: connect with login and retry,
// the events the tool wants, and the disconnection callback.
#pragma once

#include <X11/Intrinsic.h>

#include "main/PasswordGui.hpp"
#include "platform/Platform.hpp"
#include "process/RunState.hpp"

// The connection, kept for the life of the process (defined with the rest
// of the run state).
extern Platform* qv;

// Connects to server (with up to five attempts); returns 1 when connected and
// otherwise ends the program with status 0.
int connect();

// Tries to connect up to attempts times, offering a retry after each
// failure. True when connected.
// prompter, when given, tells whether the user cancelled a login.
bool platform_connect_gui(Platform& platform, const DataUnit& server_name, const DataUnit& application,
                          Widget parent, XtAppContext context, unsigned long attempts,
                          const PasswordGui* prompter = nullptr);

inline constexpr unsigned long kConnectAttempts = 5;
