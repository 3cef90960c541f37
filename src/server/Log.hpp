// The server's log: one line per event on standard error, with a timestamp.
#pragma once

#include <chrono>
#include <string>

namespace qv::server {

void log_line(const std::string& text);

// For events a client or the system can repeat without end (accept errors,
// refused connections): at most one line a second, which tells how many
// like it were left out since the last one.
class ThrottledLog {
public:
    void log(const std::string& text);

private:
    std::chrono::steady_clock::time_point last_{};
    long left_out_ = 0;
};

}  // namespace qv::server
