// What start-up gives the model once connected: the connection, the server's
// name, the mode, and how to tell the user of a failure and find a text.
// The window sections are handed over as they are built.
#pragma once

void init_model_context();

// The agents' dialogs, how they report failures and which object is edited;
// after the windows are built.
void init_agent_context();
