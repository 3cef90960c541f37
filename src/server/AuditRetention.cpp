#include "server/AuditRetention.hpp"

#include "server/Log.hpp"
#include "server/StoreError.hpp"

namespace qv::server {

void AuditRetention::start()
{
    if (days_ > 0)
        asio::post(io_, [this] { sweep(); });
}

void AuditRetention::wait(std::chrono::seconds delay, void (AuditRetention::*next)())
{
    timer_.expires_after(delay);
    timer_.async_wait([this, next](const asio::error_code& ec) {
        if (!ec)
            (this->*next)();
    });
}

void AuditRetention::sweep()
{
    cutoff_ms_ = AuditTrail::now_ms() - std::int64_t(days_) * 24 * 3600 * 1000;
    dropped_ = 0;
    batch();
}

void AuditRetention::batch()
{
    // A load holds the write lock: waiting for it here would hold the loop.
    if (writes_.held())
        return wait(std::chrono::seconds(60), &AuditRetention::batch);
    std::size_t dropped = 0;
    try {
        Transaction t(db_);
        dropped = trail_.drop_older(cutoff_ms_, kBatch);
        t.commit();
    } catch (const StoreError& e) {
        log_line("audit trail: dropping old entries failed, trying again in an hour: " + std::string(e.what()));
        return wait(std::chrono::hours(1), &AuditRetention::batch);
    }
    dropped_ += dropped;
    if (dropped == kBatch) {
        // The next batch after every client waiting has had its turn.
        asio::post(io_, [this] { batch(); });
        return;
    }
    if (dropped_ > 0)
        log_line("audit trail: dropped " + std::to_string(dropped_) + " entries older than " +
                 std::to_string(days_) + " days");
    wait(std::chrono::hours(24), &AuditRetention::sweep);
}

}  // namespace qv::server
