#include "server/Server.hpp"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "server/Log.hpp"

namespace qv::server {

Server::Server(const ServerConfig& config, Backend& backend)
    : config_(config),
      backend_(backend),
      writes_(backend.db, hub_),
      session_ops_(backend.users, offload_),
      object_ops_(backend.service, backend.objects, writes_),
      album_ops_(backend.objects, backend.system_name()),
      topology_ops_(backend.queries, backend.index, backend.types, backend.syntaxes),
      admin_ops_(backend.loader, backend.objects, backend.syntaxes, writes_, offload_, backend.system_name()),
      user_ops_(backend.users, writes_, offload_)
{
    session_config_.require_login = config.require_login;
    session_config_.system_name = backend.system_name();
    session_config_.max_frame = config.max_frame;
    session_ops_.register_in(dispatcher_);
    object_ops_.register_in(dispatcher_);
    album_ops_.register_in(dispatcher_);
    topology_ops_.register_in(dispatcher_);
    admin_ops_.register_in(dispatcher_);
    user_ops_.register_in(dispatcher_);
}

Server::~Server()
{
    // Password work still running posts into io_; let it finish first.
    pool_.join();
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
             (config_.require_login ? ", login required" : ", open mode (no login)"));
    accept();
    io_.run();
    log_line("stopped");
}

void Server::accept()
{
    acceptor_.async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec == asio::error::operation_aborted || !acceptor_.is_open())
            return;
        if (!ec) {
            auto session =
                std::make_shared<Session>(std::move(socket), session_config_, dispatcher_, hub_, next_session_++);
            hub_.add(session);
            session->start();
        } else {
            // Out of descriptors and the like: keep serving the others.
            log_line("accept failed: " + ec.message());
        }
        accept();
    });
}

void Server::shut_down(const std::string& why)
{
    log_line(why + ": closing " + std::to_string(hub_.size()) + " connection(s)");
    asio::error_code ignored;
    acceptor_.close(ignored);
    hub_.close_all("server shutting down");
    io_.stop();
}

}  // namespace qv::server
