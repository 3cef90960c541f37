#include "server/LoginThrottle.hpp"

#include <algorithm>
#include <cmath>
#include <memory>

namespace qv::server {
namespace {

// No delay grows past this: a user who mistyped many times can still get in.
constexpr double kLongestDelay = 60.0;

}  // namespace

bool LoginThrottle::enqueue(const std::string& address, std::function<void()> check)
{
    Line& line = lines_[address];
    if (line.waiting.size() >= kMaxWaiting)
        return false;
    line.waiting.push_back(std::move(check));
    if (!line.checking)
        next(address);
    return true;
}

void LoginThrottle::next(const std::string& address)
{
    auto it = lines_.find(address);
    if (it == lines_.end())
        return;
    if (it->second.waiting.empty()) {
        lines_.erase(it);
        return;
    }
    it->second.checking = true;
    auto check = std::move(it->second.waiting.front());
    it->second.waiting.pop_front();
    check();
}

void LoginThrottle::finish(const std::string& address, const std::string& user, bool accepted,
                           std::function<void(double delay)> answer)
{
    const auto now = Clock::now();
    double delay = 0;
    if (accepted) {
        by_user_.erase(user);
    } else {
        // Forget what is old before counting this one; also keeps the tables small.
        for (auto* table : {&by_user_, &by_address_})
            for (auto it = table->begin(); it != table->end();)
                it = now - it->second.last > kMemory ? table->erase(it) : std::next(it);
        const int failures = std::max(++by_user_[user].count, ++by_address_[address].count);
        by_user_[user].last = by_address_[address].last = now;
        if (failures > kFreeFailures)
            delay = std::min(kLongestDelay, first_delay_ * std::pow(2.0, failures - kFreeFailures - 1));
    }
    if (delay <= 0) {
        answer(0);
        pass(address);
        return;
    }
    auto timer = std::make_shared<asio::steady_timer>(io_, std::chrono::duration_cast<Clock::duration>(
                                                               std::chrono::duration<double>(delay)));
    timer->async_wait([this, timer, address, delay, answer = std::move(answer)](const asio::error_code&) {
        answer(delay);
        pass(address);
    });
}

void LoginThrottle::pass(const std::string& address)
{
    lines_[address].checking = false;
    next(address);
}

}  // namespace qv::server
