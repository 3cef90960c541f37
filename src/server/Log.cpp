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
