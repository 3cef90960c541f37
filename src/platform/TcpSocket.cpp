#include "platform/TcpSocket.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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

bool TcpSocket::wait_for_tls(TlsChannel::Step step, const Deadline& deadline) const
{
    if (step != TlsChannel::Step::WantRead && step != TlsChannel::Step::WantWrite)
        return false;
    pollfd p{fd_, static_cast<short>(step == TlsChannel::Step::WantRead ? POLLIN : POLLOUT), 0};
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
    std::string why;
    tls_ = make_tls_channel(why);
    if (!tls_ || !tls_->open(fd_, ca_file, host, why))
        return failed(why);
    for (;;) {
        const TlsChannel::Step step = tls_->handshake(why);
        if (step == TlsChannel::Step::Done)
            return QvStatus::success();
        if (step == TlsChannel::Step::Closed)
            return failed("the connection was closed");
        if (!wait_for_tls(step, deadline))
            return failed(deadline.remaining_ms() == 0 ? "timed out after " + deadline.describe() : why);
    }
}

QvStatus TcpSocket::send_all(const std::string& bytes, const Deadline& deadline)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (fd_ < 0)
            return QvStatus::failure(QvStatus::ConnectionLost, "The connection is closed");
        if (tls_) {
            std::size_t written = 0;
            std::string why = "the connection was closed";
            const TlsChannel::Step step = tls_->write(bytes.data() + sent, bytes.size() - sent, written, why);
            sent += written;
            if (step == TlsChannel::Step::Done || wait_for_tls(step, deadline))
                continue;
            if (deadline.remaining_ms() == 0)
                return QvStatus::failure(QvStatus::TimedOut,
                                         "Timed out after " + deadline.describe() + " sending to the server");
            last_error_ = why;
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
        std::size_t got = 0;
        std::string why;
        switch (tls_->read(buffer, sizeof buffer, got, why)) {
        case TlsChannel::Step::Done:
            out.append(buffer, got);
            return ReadResult::Data;
        case TlsChannel::Step::WantRead:
        case TlsChannel::Step::WantWrite:
            return ReadResult::WouldBlock;
        case TlsChannel::Step::Closed:
            return ReadResult::Closed;
        case TlsChannel::Step::Failed:
            break;
        }
        last_error_ = why;
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
    if (tls_ && tls_->pending())
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
    if (tls_)
        tls_->shutdown();
    tls_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
