// A client's byte stream: TCP, or TLS over TCP once the client's first byte
// shows a TLS handshake. Network thread only.
#pragma once

#include <memory>

#include <asio.hpp>
#include <asio/ssl.hpp>

namespace qv::server {

class SessionStream {
public:
    explicit SessionStream(asio::ip::tcp::socket socket) : socket_(std::move(socket)) {}

    asio::ip::tcp::socket& tcp() { return tls_ ? tls_->next_layer() : socket_; }
    bool is_tls() const { return tls_ != nullptr; }
    SSL* ssl() { return tls_ ? tls_->native_handle() : nullptr; }

    // Waits for the client's first byte and tells whether it opens a TLS
    // handshake (a frame's length begins with a 0 byte; a TLS record with 22).
    template <typename Handler>
    void async_sniff(Handler handler)
    {
        tcp().async_wait(asio::socket_base::wait_read, [this, handler](const asio::error_code& ec) mutable {
            unsigned char first = 0;
            asio::error_code peek_ec = ec;
            if (!peek_ec)
                tcp().receive(asio::buffer(&first, 1), asio::socket_base::message_peek, peek_ec);
            handler(peek_ec, first == 22);
        });
    }

    // Wraps the connection in TLS and runs the server's side of the handshake.
    template <typename Handler>
    void async_start_tls(asio::ssl::context& context, Handler handler)
    {
        tls_ = std::make_unique<asio::ssl::stream<asio::ip::tcp::socket>>(std::move(socket_), context);
        tls_->async_handshake(asio::ssl::stream_base::server, handler);
    }

    template <typename Buffer, typename Handler>
    void async_read_some(const Buffer& buffer, Handler handler)
    {
        if (tls_)
            tls_->async_read_some(buffer, std::move(handler));
        else
            socket_.async_read_some(buffer, std::move(handler));
    }

    template <typename Buffers, typename Handler>
    void async_write(const Buffers& buffers, Handler handler)
    {
        if (tls_)
            asio::async_write(*tls_, buffers, std::move(handler));
        else
            asio::async_write(socket_, buffers, std::move(handler));
    }

    void close()
    {
        asio::error_code ignored;
        tcp().shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
        tcp().close(ignored);
    }

private:
    asio::ip::tcp::socket socket_;
    std::unique_ptr<asio::ssl::stream<asio::ip::tcp::socket>> tls_;
};

}  // namespace qv::server
