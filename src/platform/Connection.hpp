// The client side of docs/protocol.md on one TCP connection: hellos, request
// ids, blocking request/reply bounded by a time-out. Events that arrive while
// a request waits go to the event sink; the caller delivers them later.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/QvStatus.hpp"
#include "platform/TcpSocket.hpp"
#include "protocol/Frame.hpp"

class Connection {
public:
    using EventSink = std::function<void(nlohmann::json event)>;
    using LossHandler = std::function<void()>;

    // A server reply may be far larger than a request (a dump of everything).
    static constexpr std::uint32_t kMaxIncomingFrame = 1024u * 1024u * 1024u;

    Connection(EventSink on_event, LossHandler on_lost);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens TCP to host:port and exchanges hellos; hello receives the server's.
    QvStatus open(const std::string& host, int port, const nlohmann::json& client_hello, double timeout_seconds,
                  nlohmann::json& hello);
    // Closes without telling the loss handler: the caller asked for it.
    void close();
    bool is_open() const { return socket_.is_open(); }
    int fd() const { return socket_.fd(); }
    const std::string& peer() const { return peer_; }

    QvStatus request(const std::string& op, nlohmann::json params, nlohmann::json& result, double timeout_seconds);
    // Sends a request whose reply nobody waits for; the reply is dropped.
    void send_only(const std::string& op, nlohmann::json params);

    // Reads what the socket holds without blocking (events to the sink).
    void read_available();
    // Waits up to timeout_seconds for input, then reads it; false when none came.
    bool wait_and_read(double timeout_seconds);

private:
    // One reply or nothing; events go to the sink on the way.
    bool take_frame(long wanted_id, nlohmann::json& reply);
    bool read_into_decoder();
    void lose(const std::string& why);
    QvStatus lost_status() const;
    QvStatus read_hello(const Deadline& deadline, nlohmann::json& hello);

    EventSink on_event_;
    LossHandler on_lost_;
    TcpSocket socket_;
    qv::proto::FrameDecoder decoder_{kMaxIncomingFrame};
    std::string peer_;
    std::string loss_reason_;
    long next_id_ = 1;
};
