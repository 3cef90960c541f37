// Window titles from the catalogue may carry "%s" twice: the first is the
// version, the second the server name. The built-in titles carry none.
#pragma once

#include <string>

// Replaces the first "%s" with version and the next with server_name; any
// further "%s" is left as it stands.
std::string format_title(const std::string& format, const std::string& version, const std::string& server_name);
