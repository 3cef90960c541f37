// The running server: the backend, the request operations, and the network
// (one io_context on one thread, a small pool for slow password work).
#pragma once

#include <memory>

#include <asio.hpp>

#include "server/AdminOps.hpp"
#include "server/AlbumOps.hpp"
#include "server/AuditOps.hpp"
#include "server/AuditQuery.hpp"
#include "server/AuditRetention.hpp"
#include "server/Backend.hpp"
#include "server/BufferBudget.hpp"
#include "server/Dispatcher.hpp"
#include "server/EventHub.hpp"
#include "server/Log.hpp"
#include "server/ObjectOps.hpp"
#include "server/Offload.hpp"
#include "server/ServerConfig.hpp"
#include "server/Session.hpp"
#include "server/SessionOps.hpp"
#include "server/TopologyOps.hpp"
#include "server/UserOps.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

class Server {
public:
    // Opens the database; throws StoreError when it is unusable.
    Server(const ServerConfig& config, Backend& backend);
    ~Server();

    // Binds and writes the port file; throws std::runtime_error on failure.
    void listen();
    // Serves until SIGTERM or SIGINT.
    void run();
    int port() const { return port_; }

private:
    void accept();
    void admit(asio::ip::tcp::socket socket);
    void accept_failed(const asio::error_code& ec);
    void watch_time_limits();
    void write_port_file();
    void shut_down(const std::string& why);

    const ServerConfig& config_;
    Backend& backend_;
    SessionConfig session_config_;
    std::unique_ptr<asio::ssl::context> tls_;
    asio::io_context io_;
    asio::thread_pool pool_{2};
    asio::ip::tcp::acceptor acceptor_{io_};
    asio::signal_set signals_{io_, SIGTERM, SIGINT};
    asio::steady_timer accept_retry_{io_};
    asio::steady_timer time_limits_{io_};
    std::chrono::milliseconds accept_backoff_{0};
    ThrottledLog accept_log_;
    ThrottledLog refusal_log_;
    EventHub hub_;
    BufferBudget budget_{io_, config_.limits.max_buffered};
    Dispatcher dispatcher_;
    Offload offload_{io_, pool_};
    LoginThrottle throttle_{io_, config_.limits.login_delay};
    WriteRunner writes_;
    SessionOps session_ops_;
    ObjectOps object_ops_;
    AlbumOps album_ops_;
    TopologyOps topology_ops_;
    AdminOps admin_ops_;
    UserOps user_ops_;
    AuditQuery audit_query_;
    AuditOps audit_ops_;
    AuditRetention audit_retention_;
    std::uint64_t next_session_ = 1;
    int port_ = 0;
};

}  // namespace qv::server
