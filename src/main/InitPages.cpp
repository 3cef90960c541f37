// Start-up of the main window's pages: the agent table and the four property
// pages built on the forms of the property book, each handed to the model as
// the view it fills and reads.
#include "main/ModeSetup.hpp"

// The agent table widget is placed in "table_frame" by the agent page.
void init_table() {}

// Coordinates, display, stored data, agents, in that order.
void init_book() {}
