// The memory all connections hold in input not yet handled and output not yet
// sent, against the operator's limit; and the return of freed memory to the
// system after large requests. Network thread only.
#pragma once

#include <cstddef>

#include <asio.hpp>

namespace qv::server {

class BufferBudget {
public:
    // Each connection may hold this much without counting against the limit,
    // so small clients are never refused for what the large ones hold.
    static constexpr std::size_t kFreePerConnection = 64 * 1024;

    BufferBudget(asio::io_context& io, std::size_t limit) : trim_timer_(io), limit_(limit) {}

    // Takes n bytes; false (and nothing taken) when that would pass the limit.
    bool take(std::size_t n);
    void give(std::size_t n);
    std::size_t used() const { return used_; }
    std::size_t limit() const { return limit_; }

    // Notes that a large buffer was freed: malloc keeps freed memory for
    // reuse, so it is handed back to the system shortly after (once for a
    // burst of such notes).
    void released(std::size_t bytes);

private:
    asio::steady_timer trim_timer_;
    std::size_t limit_;
    std::size_t used_ = 0;
    std::size_t released_ = 0;
    bool trim_pending_ = false;
};

}  // namespace qv::server
