// A non-blocking TCP socket whose blocking operations are bounded by a
// Deadline, so no call of the library can hang on a silent peer.
#pragma once

#include <string>
#include <vector>

#include "platform/Deadline.hpp"
#include "platform/HostResolver.hpp"
#include "platform/QvStatus.hpp"

class TcpSocket {
public:
    TcpSocket() = default;
    ~TcpSocket() { close(); }
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Tries the addresses in order; peer ("vm:5555") names the server in texts.
    QvStatus connect_any(const std::vector<SocketAddress>& addresses, const std::string& peer,
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
    int fd_ = -1;
    std::string last_error_;
};
