#include "server/Server.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "server/Log.hpp"

namespace qv::server {

Server::Server(const ServerConfig& config, Backend& backend)
    : config_(config),
      backend_(backend),
      writes_(backend.db, hub_, backend.audit),
      session_ops_(backend.users, offload_, throttle_),
      object_ops_(backend.service, backend.objects, writes_),
      album_ops_(backend.objects, backend.system_name()),
      topology_ops_(backend.queries, backend.index, backend.types, backend.syntaxes),
      admin_ops_(backend.objects, backend.syntaxes, writes_, offload_,
                 AdminConfig{backend.db.path(), backend.system_name(), config.mib_roots, config.max_frame}),
      user_ops_(backend.users, writes_, offload_),
      audit_query_(backend.db),
      audit_ops_(audit_query_, offload_, backend.db.path(), backend.system_name()),
      audit_retention_(io_, backend.db, backend.audit, writes_, config.audit_days)
{
    session_config_.require_login = config.require_login;
    session_config_.system_name = backend.system_name();
    session_config_.max_frame = config.max_frame;
    session_config_.limits = config.limits;
    if (!config.tls_cert.empty()) {
        tls_ = std::make_unique<asio::ssl::context>(asio::ssl::context::tls_server);
        tls_->set_options(asio::ssl::context::default_workarounds | asio::ssl::context::no_sslv2 |
                          asio::ssl::context::no_sslv3 | asio::ssl::context::no_tlsv1 |
                          asio::ssl::context::no_tlsv1_1 | asio::ssl::context::single_dh_use);
        asio::error_code ec;
        tls_->use_certificate_chain_file(config.tls_cert, ec);
        if (ec)
            throw std::runtime_error("--tls-cert " + config.tls_cert + ": " + ec.message());
        tls_->use_private_key_file(config.tls_key, asio::ssl::context::pem, ec);
        if (ec)
            throw std::runtime_error("--tls-key " + config.tls_key + ": " + ec.message());
        session_config_.tls = tls_.get();
    }
    session_ops_.register_in(dispatcher_);
    object_ops_.register_in(dispatcher_);
    album_ops_.register_in(dispatcher_);
    topology_ops_.register_in(dispatcher_);
    admin_ops_.register_in(dispatcher_);
    user_ops_.register_in(dispatcher_);
    audit_ops_.register_in(dispatcher_);
    hub_.on_remove([this](std::uint64_t number) { admin_ops_.connection_closed(number); });
    // The reads of one turn of the loop share a read transaction, ended
    // after the handlers that were ready with them.
    backend.db.set_read_sharing([this](std::function<void()> end) { asio::post(io_, std::move(end)); });
}

Server::~Server()
{
    // Password work still running posts into io_; let it finish first.
    pool_.join();
    backend_.db.set_read_sharing({});
}

void Server::listen()
{
    asio::error_code ec;
    const auto address = asio::ip::make_address(config_.listen, ec);
    if (ec)
        throw std::runtime_error("--listen: \"" + config_.listen + "\" is not an IP address");
    const asio::ip::tcp::endpoint endpoint(address, static_cast<unsigned short>(config_.port));
    acceptor_.open(endpoint.protocol());
    acceptor_.set_option(asio::ip::tcp::acceptor::reuse_address(true));
    acceptor_.bind(endpoint, ec);
    if (ec)
        throw std::runtime_error("cannot listen on " + config_.listen + " port " + std::to_string(config_.port) +
                                 ": " + ec.message());
    acceptor_.listen(asio::socket_base::max_listen_connections);
    port_ = acceptor_.local_endpoint().port();
    write_port_file();
}

void Server::write_port_file()
{
    if (config_.port_file.empty())
        return;
    // Written aside and renamed, so a reader never sees half a number.
    const std::string aside = config_.port_file + ".tmp";
    {
        std::ofstream out(aside, std::ios::trunc);
        out << port_ << "\n";
        if (!out)
            throw std::runtime_error("cannot write the port file " + aside);
    }
    if (std::rename(aside.c_str(), config_.port_file.c_str()) != 0)
        throw std::runtime_error("cannot write the port file " + config_.port_file);
}

void Server::run()
{
    signals_.async_wait([this](const asio::error_code& ec, int signal) {
        if (!ec)
            shut_down(signal == SIGINT ? "interrupted" : "terminated");
    });
    log_line("listening on " + config_.listen + " port " + std::to_string(port_) + ", system " +
             backend_.system_name() + ", database " + backend_.db.path() +
             (config_.require_login ? ", login required" : ", open mode (no login)") +
             (tls_ ? ", TLS" : ""));
    accept();
    watch_time_limits();
    audit_retention_.start();
    io_.run();
    log_line("stopped");
}

void Server::accept()
{
    acceptor_.async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec == asio::error::operation_aborted || !acceptor_.is_open())
            return;
        if (ec) {
            accept_failed(ec);
            return;
        }
        accept_backoff_ = std::chrono::milliseconds(0);
        admit(std::move(socket));
        accept();
    });
}

void Server::accept_failed(const asio::error_code& ec)
{
    // Out of descriptors and the like: the connection waits in the backlog;
    // trying again at once would only spin. Wait, longer each time.
    accept_backoff_ = std::min(std::chrono::milliseconds(1000),
                               std::max(std::chrono::milliseconds(10), accept_backoff_ * 2));
    accept_log_.log("accept failed: " + ec.message() + "; trying again in " +
                    std::to_string(accept_backoff_.count()) + " ms");
    accept_retry_.expires_after(accept_backoff_);
    accept_retry_.async_wait([this](const asio::error_code& wait_ec) {
        if (!wait_ec)
            accept();
    });
}

void Server::admit(asio::ip::tcp::socket socket)
{
    auto session = std::make_shared<Session>(std::move(socket), session_config_,
                                             SessionServices{dispatcher_, hub_, budget_}, next_session_++);
    const Limits& limits = config_.limits;
    std::string refusal;
    if (hub_.size() >= limits.max_connections)
        refusal = "the server has its maximum of " + std::to_string(limits.max_connections) + " connections";
    else if (hub_.count_from(session->address()) >= limits.max_per_address)
        refusal = "too many connections from " + session->address() + " (at most " +
                  std::to_string(limits.max_per_address) + ")";
    if (!refusal.empty()) {
        refusal_log_.log("connection from " + session->peer() + " refused: " + refusal);
        session->refuse(refusal + "; try again later");
        return;
    }
    hub_.add(session);
    session->start();
}

void Server::watch_time_limits()
{
    // Checked often enough for the shortest limit set (tests set them short).
    const Limits& l = config_.limits;
    double shortest = 1.0;
    for (double limit : {l.hello_timeout, l.idle_timeout, l.frame_timeout})
        if (limit > 0)
            shortest = std::min(shortest, limit / 4);
    time_limits_.expires_after(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double>(std::max(shortest, 0.02))));
    time_limits_.async_wait([this](const asio::error_code& ec) {
        if (ec)
            return;
        const auto now = Session::Clock::now();
        hub_.for_each([&](Session& s) { s.check_time_limits(now); });
        watch_time_limits();
    });
}

void Server::shut_down(const std::string& why)
{
    log_line(why + ": closing " + std::to_string(hub_.size()) + " connection(s)");
    asio::error_code ignored;
    acceptor_.close(ignored);
    accept_retry_.cancel();
    time_limits_.cancel();
    audit_retention_.stop();
    hub_.close_all("server shutting down");
    io_.stop();
}

}  // namespace qv::server
