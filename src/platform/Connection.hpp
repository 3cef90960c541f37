// The client side of docs/protocol.md on one TCP connection: hellos, request
// ids, blocking request/reply bounded by a time-out. Events that arrive while
// a request waits go to the event sink; the caller delivers them later. A
// frame of another shape than the protocol's closes the connection: the
// stream can no longer be trusted.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/QvStatus.hpp"
#include "platform/TcpSocket.hpp"
#include "protocol/Frame.hpp"

// What the server said of itself in its hello.
struct ServerHello {
    std::string server;  // "qv_server 4.0"
    std::string system;  // empty when the server named none
    bool login_required = false;
    double idle_timeout = 0;  // seconds a silent client may stay; 0: no limit, or not said
};

class Connection {
public:
    // Takes an event frame; returns why it is malformed, empty when it is not.
    using EventSink = std::function<std::string(nlohmann::json event)>;
    using LossHandler = std::function<void()>;

    // A server reply may be far larger than a request (a dump of everything).
    static constexpr std::uint32_t kMaxIncomingFrame = 1024u * 1024u * 1024u;

    Connection(EventSink on_event, LossHandler on_lost);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens TCP to host:port and exchanges hellos; hello receives the server's.
    QvStatus open(const std::string& host, int port, const nlohmann::json& client_hello, double timeout_seconds,
                  ServerHello& hello);
    // The same over a socket already connected (a socketpair in tests and
    // fuzzing); the connection owns fd from now on.
    QvStatus open_socket(int fd, const std::string& peer, const nlohmann::json& client_hello,
                         double timeout_seconds, ServerHello& hello);
    // Closes without telling the loss handler: the caller asked for it.
    void close();
    bool is_open() const { return socket_.is_open(); }
    int fd() const { return socket_.fd(); }
    const std::string& peer() const { return peer_; }

    QvStatus request(const std::string& op, nlohmann::json params, nlohmann::json& result, double timeout_seconds);
    // Sends a request whose reply nobody waits for; the reply is dropped.
    void send_only(const std::string& op, nlohmann::json params);

    // Seconds since the last frame went to the server.
    double idle_seconds() const;

    // Reads what the socket holds without blocking (events to the sink).
    void read_available();
    // Waits up to timeout_seconds for input, then reads it; false when none came.
    bool wait_and_read(double timeout_seconds);

    // A reply or event of another shape than documented: the problem goes to
    // standard error (once a connection) and the connection is dropped as if
    // lost, so the loss handler runs. Returns the status the caller fails with.
    QvStatus reject_reply(const std::string& problem);
    // Why the connection went away; NotConnected when it never opened.
    QvStatus lost_status() const;

private:
    // One reply or nothing; events go to the sink on the way.
    bool take_frame(std::int64_t wanted_id, nlohmann::json& reply);
    QvStatus take_result(nlohmann::json& reply, nlohmann::json& result);
    bool read_into_decoder();
    void lose(const std::string& why);
    QvStatus handshake(const nlohmann::json& client_hello, const Deadline& deadline, ServerHello& hello);
    QvStatus read_hello(const Deadline& deadline, ServerHello& hello);
    QvStatus take_hello(const nlohmann::json& frame, ServerHello& hello);
    QvStatus malformed(const std::string& problem);

    EventSink on_event_;
    LossHandler on_lost_;
    TcpSocket socket_;
    qv::proto::FrameDecoder decoder_{kMaxIncomingFrame};
    std::string peer_;
    QvStatus loss_;  // success while open or never opened
    bool malformed_ = false;  // a malformed frame was reported on this connection
    std::int64_t next_id_ = 1;
    std::chrono::steady_clock::time_point last_sent_ = std::chrono::steady_clock::now();
};
