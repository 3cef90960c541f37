#include "server/BufferBudget.hpp"

#include <malloc.h>

namespace qv::server {
namespace {

// Less than this freed is not worth a trim: malloc reuses it soon enough.
constexpr std::size_t kTrimThreshold = 4u * 1024u * 1024u;

}  // namespace

bool BufferBudget::take(std::size_t n)
{
    if (n > limit_ - used_)
        return false;
    used_ += n;
    return true;
}

void BufferBudget::give(std::size_t n) { used_ -= n < used_ ? n : used_; }

void BufferBudget::released(std::size_t bytes)
{
    released_ += bytes;
    if (released_ < kTrimThreshold || trim_pending_)
        return;
    trim_pending_ = true;
    trim_timer_.expires_after(std::chrono::milliseconds(200));
    trim_timer_.async_wait([this](const asio::error_code& ec) {
        trim_pending_ = false;
        if (ec)
            return;
        released_ = 0;
        malloc_trim(0);
    });
}

}  // namespace qv::server
