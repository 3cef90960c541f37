// A point in time a blocking call must not wait past, and the texts that
// describe waiting times to the user.
#pragma once

#include <chrono>
#include <string>

class Deadline {
public:
    explicit Deadline(double seconds)
        : seconds_(seconds),
          end_(std::chrono::steady_clock::now() +
               std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds)))
    {
    }

    // Milliseconds left for poll(): 0 once passed, rounded up otherwise so a
    // short wait does not become a busy loop.
    int remaining_ms() const;
    bool passed() const { return std::chrono::steady_clock::now() >= end_; }
    double seconds() const { return seconds_; }
    // "60 s", "0.5 s".
    std::string describe() const { return format_seconds(seconds_); }

    static std::string format_seconds(double seconds);
    // -12345.0 (and any value not above 0) asks for the library default.
    static double effective(double requested);

private:
    double seconds_;
    std::chrono::steady_clock::time_point end_;
};
