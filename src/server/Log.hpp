// The server's log: one line per event on standard error, with a timestamp.
#pragma once

#include <string>

namespace qv::server {

void log_line(const std::string& text);

}  // namespace qv::server
