#include "platform/TcpSocket.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

namespace {

QvStatus connect_error(int err, const std::string& peer)
{
    if (err == ECONNREFUSED)
        return QvStatus::failure(QvStatus::NotConnected, "Connection to " + peer + " refused");
    return QvStatus::failure(QvStatus::NotConnected,
                             "Cannot connect to " + peer + ": " + std::strerror(err));
}

}  // namespace

QvStatus TcpSocket::connect_any(const std::vector<SocketAddress>& addresses, const std::string& peer,
                                const Deadline& deadline)
{
    QvStatus last = QvStatus::failure(QvStatus::NotConnected, "No address to connect to " + peer);
    for (const SocketAddress& a : addresses) {
        last = connect_one(a, peer, deadline);
        if (last || last.code() == QvStatus::TimedOut)
            return last;
    }
    return last;
}

QvStatus TcpSocket::connect_one(const SocketAddress& address, const std::string& peer, const Deadline& deadline)
{
    close();
    fd_ = ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        return connect_error(errno, peer);
    const int one = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0)
        return QvStatus::success();
    if (errno != EINPROGRESS) {
        const int err = errno;
        close();
        return connect_error(err, peer);
    }
    pollfd p{fd_, POLLOUT, 0};
    int rc;
    do {
        rc = ::poll(&p, 1, deadline.remaining_ms());
    } while (rc < 0 && errno == EINTR);
    if (rc == 0) {
        close();
        return QvStatus::failure(QvStatus::TimedOut,
                                 "Timed out after " + deadline.describe() + " connecting to " + peer);
    }
    int err = 0;
    socklen_t len = sizeof err;
    if (rc < 0)
        err = errno;
    else
        getsockopt(fd_, SOL_SOCKET, SO_ERROR, &err, &len);
    if (err != 0) {
        close();
        return connect_error(err, peer);
    }
    return QvStatus::success();
}

namespace {

std::string tls_error_text()
{
    const unsigned long e = ERR_get_error();
    char text[256] = "the connection was closed";
    if (e != 0)
        ERR_error_string_n(e, text, sizeof text);
    return text;
}

bool is_ip_address(const std::string& host)
{
    unsigned char bytes[16];
    return inet_pton(AF_INET, host.c_str(), bytes) == 1 || inet_pton(AF_INET6, host.c_str(), bytes) == 1;
}

}  // namespace

bool TcpSocket::wait_for_tls(int rc, const Deadline& deadline)
{
    const int why = SSL_get_error(tls_, rc);
    if (why != SSL_ERROR_WANT_READ && why != SSL_ERROR_WANT_WRITE)
        return false;
    pollfd p{fd_, static_cast<short>(why == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT), 0};
    int ready;
    do {
        ready = ::poll(&p, 1, deadline.remaining_ms());
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

QvStatus TcpSocket::start_tls(const std::string& ca_file, const std::string& host, const std::string& peer,
                              const Deadline& deadline)
{
    auto failed = [&](const std::string& why) {
        close();
        return QvStatus::failure(QvStatus::NotConnected, "TLS with " + peer + " failed: " + why);
    };
    tls_context_ = SSL_CTX_new(TLS_client_method());
    if (!tls_context_)
        return failed(tls_error_text());
    SSL_CTX_set_min_proto_version(tls_context_, TLS1_2_VERSION);
    if (SSL_CTX_load_verify_locations(tls_context_, ca_file.c_str(), nullptr) != 1)
        return failed("cannot read the certificate authority file " + ca_file + " (QV_TLS_CA)");
    SSL_CTX_set_verify(tls_context_, SSL_VERIFY_PEER, nullptr);
    tls_ = SSL_new(tls_context_);
    if (!tls_ || SSL_set_fd(tls_, fd_) != 1)
        return failed(tls_error_text());
    // The certificate must name the host asked for, not only be signed.
    X509_VERIFY_PARAM* param = SSL_get0_param(tls_);
    if (is_ip_address(host)) {
        X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str());
    } else {
        X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
        SSL_set1_host(tls_, host.c_str());
        SSL_set_tlsext_host_name(tls_, host.c_str());
    }
    for (;;) {
        const int rc = SSL_connect(tls_);
        if (rc == 1)
            return QvStatus::success();
        if (SSL_get_verify_result(tls_) != X509_V_OK)
            return failed(std::string("the server's certificate is not trusted: ") +
                          X509_verify_cert_error_string(SSL_get_verify_result(tls_)));
        if (!wait_for_tls(rc, deadline)) {
            if (deadline.remaining_ms() == 0)
                return failed("timed out after " + deadline.describe());
            return failed(tls_error_text());
        }
    }
}

QvStatus TcpSocket::send_all(const std::string& bytes, const Deadline& deadline)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (fd_ < 0)
            return QvStatus::failure(QvStatus::ConnectionLost, "The connection is closed");
        if (tls_) {
            const auto chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 1u << 30));
            const int n = SSL_write(tls_, bytes.data() + sent, chunk);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
                continue;
            }
            if (wait_for_tls(n, deadline))
                continue;
            if (deadline.remaining_ms() == 0)
                return QvStatus::failure(QvStatus::TimedOut,
                                         "Timed out after " + deadline.describe() + " sending to the server");
            last_error_ = tls_error_text();
            return QvStatus::failure(QvStatus::ConnectionLost, "Sending to the server failed: " + last_error_);
        }
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd_, POLLOUT, 0};
            const int rc = ::poll(&p, 1, deadline.remaining_ms());
            if (rc == 0)
                return QvStatus::failure(QvStatus::TimedOut,
                                         "Timed out after " + deadline.describe() + " sending to the server");
            continue;
        }
        last_error_ = std::strerror(errno);
        return QvStatus::failure(QvStatus::ConnectionLost, "Sending to the server failed: " + last_error_);
    }
    return QvStatus::success();
}

TcpSocket::ReadResult TcpSocket::read_some(std::string& out)
{
    if (fd_ < 0)
        return ReadResult::Closed;
    char buffer[65536];
    if (tls_) {
        const int n = SSL_read(tls_, buffer, sizeof buffer);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
            return ReadResult::Data;
        }
        const int why = SSL_get_error(tls_, n);
        if (why == SSL_ERROR_WANT_READ || why == SSL_ERROR_WANT_WRITE)
            return ReadResult::WouldBlock;
        if (why == SSL_ERROR_ZERO_RETURN || (why == SSL_ERROR_SYSCALL && ERR_peek_error() == 0))
            return ReadResult::Closed;
        last_error_ = tls_error_text();
        return ReadResult::Failed;
    }
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
            return ReadResult::Data;
        }
        if (n == 0)
            return ReadResult::Closed;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return ReadResult::WouldBlock;
        last_error_ = std::strerror(errno);
        return ReadResult::Failed;
    }
}

bool TcpSocket::wait_readable(const Deadline& deadline) const
{
    if (fd_ < 0)
        return false;
    // TLS may hold a record already read and decrypted.
    if (tls_ && SSL_pending(tls_) > 0)
        return true;
    for (;;) {
        pollfd p{fd_, POLLIN, 0};
        const int rc = ::poll(&p, 1, deadline.remaining_ms());
        if (rc > 0)
            return true;
        if (rc == 0 || errno != EINTR)
            return false;
    }
}

void TcpSocket::adopt(int fd)
{
    close();
    fd_ = fd;
    if (fd_ >= 0)
        ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

void TcpSocket::close()
{
    if (tls_) {
        SSL_shutdown(tls_);  // tells the server the end is wanted (not waited for)
        SSL_free(tls_);
    }
    if (tls_context_)
        SSL_CTX_free(tls_context_);
    tls_ = nullptr;
    tls_context_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
