// How far a long command (load, dump) has come, as one line on standard
// error that is redrawn in place: "qv_admin: load: 51200 of 100000 entries
// (51%)". Shown only where a person watches: when standard error is not a
// terminal (a pipe, a file, a journal) nothing is written.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>

class Progress {
public:
    // what: "load", "dump"; unit: "entries", "objects". shown: whether to
    // draw at all (by default, whether standard error is a terminal).
    Progress(std::string what, std::string unit);
    Progress(std::string what, std::string unit, std::ostream& out, bool shown);
    ~Progress();  // erases the line
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void set_total(std::int64_t total);
    void advance(std::int64_t done);
    // Draws the last count and erases the line; nothing more is drawn.
    void finish();

private:
    void draw(bool now);

    std::string what_;
    std::string unit_;
    std::ostream& out_;
    bool shown_;
    std::int64_t done_ = 0;
    std::int64_t total_ = -1;  // unknown
    std::chrono::steady_clock::time_point drawn_{};
};
