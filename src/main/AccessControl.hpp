// Reads the user's rights once after connecting. Without the right to run
// the tool, or to create objects in create mode, the tool says why and ends.
#pragma once

#include "process/Rights.hpp"

// Reads the rights; 1 when the tool may go on (otherwise the program ends
// from the error dialog).
int access_control();
