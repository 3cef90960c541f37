// Opening the display and building the tool's windows, hidden.
#pragma once

// Toolkit, catalogue, application context (handed to the client library),
// display, then every window; chooses the main shell and its title. Ends the
// program with status -1 when the display cannot be opened.
void init_gui(int& argc, char** argv);

// Gives the name field the keyboard focus.
void set_focus();
