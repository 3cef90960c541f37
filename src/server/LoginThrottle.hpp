// Slows password guessing down. Refused logins are remembered per user and
// per source address; a refusal is answered only after a delay that doubles
// with each recent failure of its user or its address, and an address has one
// password checked at a time, its further attempts waiting their turn. A
// correct password is answered at once, so a flood from one address neither
// fills the password workers nor delays anyone else's login. Network thread
// only.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include <asio.hpp>

namespace qv::server {

class LoginThrottle {
public:
    using Clock = std::chrono::steady_clock;

    // Attempts of one address waiting beyond this many are refused at once.
    static constexpr std::size_t kMaxWaiting = 16;
    // Failures are forgotten after this long without another.
    static constexpr std::chrono::minutes kMemory{15};
    // The first refusals come without delay (a typing error).
    static constexpr int kFreeFailures = 2;

    LoginThrottle(asio::io_context& io, double first_delay) : io_(io), first_delay_(first_delay) {}

    // Runs check now, or once the address's earlier attempts are answered;
    // false (and check never runs) when too many wait already.
    bool enqueue(const std::string& address, std::function<void()> check);
    // The attempt of the address now checked has its outcome: answer runs at
    // once for a success, after the delay earned for a failure (in seconds,
    // given to answer); then the address's next attempt starts.
    void finish(const std::string& address, const std::string& user, bool accepted,
                std::function<void(double delay)> answer);
    // The attempt of the address now checked was dropped (its client left).
    void pass(const std::string& address);

private:
    struct Failures {
        int count = 0;
        Clock::time_point last;
    };
    struct Line {
        bool checking = false;
        std::deque<std::function<void()>> waiting;
    };

    void next(const std::string& address);

    asio::io_context& io_;
    double first_delay_;
    std::map<std::string, Failures> by_user_;
    std::map<std::string, Failures> by_address_;
    std::map<std::string, Line> lines_;
};

}  // namespace qv::server
