// Keeps the audit trail to its last N days: at start and then once a day,
// drops the older entries a few hundred at a time, each batch its own short
// transaction between the clients' turns. Lives on the network thread.
#pragma once

#include <cstdint>

#include <asio.hpp>

#include "server/AuditTrail.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

class AuditRetention {
public:
    static constexpr std::size_t kBatch = 500;

    // days 0 keeps everything.
    AuditRetention(asio::io_context& io, Database& db, AuditTrail& trail, WriteRunner& writes, int days)
        : io_(io), db_(db), trail_(trail), writes_(writes), days_(days), timer_(io)
    {
    }

    void start();
    void stop() { timer_.cancel(); }

private:
    void sweep();
    void batch();
    void wait(std::chrono::seconds delay, void (AuditRetention::*next)());

    asio::io_context& io_;
    Database& db_;
    AuditTrail& trail_;
    WriteRunner& writes_;
    int days_;
    asio::steady_timer timer_;
    std::int64_t cutoff_ms_ = 0;  // of the sweep under way
    std::size_t dropped_ = 0;
};

}  // namespace qv::server
