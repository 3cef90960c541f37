// Slow work (Argon2id, reading MIB files) done off the network thread: the
// work runs on a small pool, the answer is made back on the network thread.
#pragma once

#include <exception>
#include <functional>
#include <memory>

#include <asio.hpp>
#include <nlohmann/json.hpp>

#include "server/Call.hpp"

namespace qv::server {

class Offload {
public:
    Offload(asio::io_context& io, asio::thread_pool& pool) : io_(io), pool_(pool) {}

    // work runs on the pool and must not touch the database or a session;
    // finish runs on the network thread and gives the call's result. A
    // failure thrown by either becomes the call's error reply.
    void run(const CallPtr& call, std::function<void()> work, std::function<nlohmann::json()> finish);
    // The same, but then answers the call itself, now or later.
    void run_then(const CallPtr& call, std::function<void()> work, std::function<void()> then);

private:
    asio::io_context& io_;
    asio::thread_pool& pool_;
};

}  // namespace qv::server
