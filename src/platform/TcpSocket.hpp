// A non-blocking TCP socket whose blocking operations are bounded by a
// Deadline, so no call of the library can hang on a silent peer. It may
// carry TLS (OpenSSL) once connected.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Deadline.hpp"
#include "platform/HostResolver.hpp"
#include "platform/QvStatus.hpp"
#include "platform/TlsChannel.hpp"

class TcpSocket {
public:
    TcpSocket() = default;
    ~TcpSocket() { close(); }
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Tries the addresses in order; peer ("vm:5555") names the server in texts.
    QvStatus connect_any(const std::vector<SocketAddress>& addresses, const std::string& peer,
                         const Deadline& deadline);
    // Speaks TLS from now on: the server's certificate must be signed by the
    // authority of ca_file and name host (a DNS name or an IP address).
    QvStatus start_tls(const std::string& ca_file, const std::string& host, const std::string& peer,
                       const Deadline& deadline);
    QvStatus send_all(const std::string& bytes, const Deadline& deadline);

    enum class ReadResult { Data, WouldBlock, Closed, Failed };
    // One non-blocking read into out (appended).
    ReadResult read_some(std::string& out);
    // Waits for input; false when the deadline passed first.
    bool wait_readable(const Deadline& deadline) const;

    // A socket connected elsewhere; it is made non-blocking and owned from now on.
    void adopt(int fd);
    void close();
    bool is_open() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& last_error() const { return last_error_; }

private:
    QvStatus connect_one(const SocketAddress& address, const std::string& peer, const Deadline& deadline);
    // Waits for what the TLS step asked for; false when the deadline passed
    // or the step was not a wait.
    bool wait_for_tls(TlsChannel::Step step, const Deadline& deadline) const;
    int fd_ = -1;
    std::unique_ptr<TlsChannel> tls_;
    std::string last_error_;
};
