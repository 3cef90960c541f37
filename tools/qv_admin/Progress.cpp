#include "Progress.hpp"

#include <iostream>
#include <unistd.h>

namespace {

// Redrawn at most this often: a terminal is slow and a person reads slower.
constexpr std::chrono::milliseconds kRedraw(100);

}  // namespace

Progress::Progress(std::string what, std::string unit)
    : Progress(std::move(what), std::move(unit), std::cerr, isatty(STDERR_FILENO) == 1)
{
}

Progress::Progress(std::string what, std::string unit, std::ostream& out, bool shown)
    : what_(std::move(what)), unit_(std::move(unit)), out_(out), shown_(shown)
{
}

Progress::~Progress() { finish(); }

void Progress::set_total(std::int64_t total)
{
    total_ = total;
    draw(true);
}

void Progress::advance(std::int64_t done)
{
    done_ += done;
    draw(false);
}

void Progress::finish()
{
    if (!shown_)
        return;
    draw(true);
    out_ << "\r\033[K" << std::flush;
    shown_ = false;
}

void Progress::draw(bool now)
{
    if (!shown_)
        return;
    const auto clock = std::chrono::steady_clock::now();
    if (!now && clock - drawn_ < kRedraw)
        return;
    drawn_ = clock;
    out_ << "\rqv_admin: " << what_ << ": " << done_;
    if (total_ >= 0) {
        out_ << " of " << total_ << ' ' << unit_;
        if (total_ > 0)
            out_ << " (" << done_ * 100 / total_ << "%)";
    } else {
        out_ << ' ' << unit_;
    }
    // Clears what a longer line before left.
    out_ << "\033[K" << std::flush;
}
