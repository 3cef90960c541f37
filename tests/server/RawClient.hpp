// A bare client of the qv protocol for the server's tests: frames over a
// loopback socket, nothing of the client library.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"

namespace qv::test {

class RawClient {
public:
    // Connects from the given loopback address (127.0.0.1 unless told, so
    // that tests can play clients on several addresses); throws
    // std::runtime_error when it cannot.
    explicit RawClient(int port, const std::string& from = "127.0.0.1");
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    void send_bytes(const std::string& bytes);
    void send(const nlohmann::json& message);
    // The next frame, whatever it is; nothing when the server closed the
    // connection or nothing came within the time.
    std::optional<nlohmann::json> receive(double seconds = 30.0);
    // True when the server closes the connection within the time (frames
    // still arriving before that are skipped).
    bool closed_by_server(double seconds = 30.0);

    // Sends a hello and returns the server's answer.
    nlohmann::json hello(const std::string& application = "qv_test", const std::string& user = "tester",
                         int protocol = 1);
    // Sends a request with the next id and returns its reply; events that
    // arrive first are kept for next_event(). Throws when no reply comes.
    nlohmann::json request(const std::string& op, nlohmann::json params = nlohmann::json::object());
    // A reply known to be a success: its fields. Fails the test otherwise.
    nlohmann::json ok(const std::string& op, nlohmann::json params = nlohmann::json::object());
    // The next event (kept or newly arrived); nothing within the time.
    std::optional<nlohmann::json> next_event(double seconds = 10.0);
    // Logs in; the reply.
    nlohmann::json login(const std::string& user, const std::string& password);

private:
    int fd_ = -1;
    std::int64_t next_id_ = 1;
    bool closed_ = false;  // the server closed the connection
    qv::proto::FrameDecoder decoder_{64u * 1024u * 1024u};
    std::deque<nlohmann::json> events_;
};

// The DN of the local system's node number id, and of a type.
std::string node_dn(const std::string& system, long id);
std::string type_dn(const std::string& system, const std::string& type);
std::string system_dn(const std::string& system);

}  // namespace qv::test
