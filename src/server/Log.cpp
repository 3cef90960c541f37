#include "server/Log.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace qv::server {

void log_line(const std::string& text)
{
    static std::mutex mutex;
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    // Control characters from clients must not forge log lines.
    std::string clean;
    clean.reserve(text.size());
    for (unsigned char c : text)
        clean.push_back(c < 0x20 && c != '\t' ? '?' : static_cast<char>(c));
    std::lock_guard<std::mutex> lock(mutex);
    std::fprintf(stderr, "%s.%03d qv_server: %s\n", stamp, static_cast<int>(ms), clean.c_str());
    std::fflush(stderr);
}

}  // namespace qv::server

namespace qv::server {

void ThrottledLog::log(const std::string& text)
{
    const auto now = std::chrono::steady_clock::now();
    if (last_ != std::chrono::steady_clock::time_point{} && now - last_ < std::chrono::seconds(1)) {
        ++left_out_;
        return;
    }
    last_ = now;
    log_line(left_out_ ? text + " (and " + std::to_string(left_out_) + " more like it)" : text);
    left_out_ = 0;
}

}  // namespace qv::server
