// Where the tool's files are installed: $QV_HOME, else the default place.
#pragma once

#include <string>

// Read at each call, so a changed environment is seen.
std::string qv_home();
