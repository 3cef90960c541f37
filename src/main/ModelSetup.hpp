// What start-up gives the model once connected: the connection, the server's
// name, the mode, and how to tell the user of a failure and find a text.
// The window sections are handed over as they are built.
#pragma once

void init_model_context();
