// One client connection: framing, the hello, the order of requests and
// replies, the bounded output queue and what the connection has chosen to
// receive. Lives on the server's one network thread.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include <asio.hpp>
#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"
#include "server/AlbumTracker.hpp"
#include "server/ChangeSet.hpp"
#include "server/Discriminator.hpp"

namespace qv::server {

class Dispatcher;
class EventHub;

struct SessionConfig {
    bool require_login = false;
    std::string system_name;
    std::uint32_t max_frame = qv::proto::kDefaultMaxFrame;
    // A client that lets this much output pile up is disconnected.
    std::size_t max_output = 64u * 1024u * 1024u;
};

class Session : public std::enable_shared_from_this<Session> {
public:
    Session(asio::ip::tcp::socket socket, const SessionConfig& config, Dispatcher& dispatcher, EventHub& hub,
            std::uint64_t number);

    void start();
    // Ends the connection at once (server shutdown).
    void close(const std::string& reason);
    bool closed() const { return closed_; }

    // Queues a frame; disconnects the client when its output piles up.
    void send(const nlohmann::json& message);
    // Sends, then closes once the frame is out.
    void send_and_close(const nlohmann::json& message, const std::string& reason);
    // Takes no more requests and closes once the queued output is out.
    void close_after_output(const std::string& reason);
    void finish_call();

    std::uint64_t number() const { return number_; }
    const std::string& peer() const { return peer_; }
    const std::string& application() const { return application_; }
    const std::string& user() const { return user_; }
    const RightSet& rights() const { return rights_; }
    bool logged_in() const { return logged_in_; }
    void set_user(std::string user, RightSet rights);
    // Counts a refused login; the number refused so far.
    int count_login_failure() { return ++login_failures_; }
    const SessionConfig& config() const { return config_; }
    Discriminator& discriminator() { return discriminator_; }
    AlbumTracker& albums() { return albums_; }
    std::size_t queued_output() const { return out_bytes_; }

private:
    void read();
    void on_read(const asio::error_code& ec, std::size_t n);
    void process();
    void handle_frame(const std::string& body);
    void handle_hello(const nlohmann::json& hello);
    void handle_request(nlohmann::json request);
    void write();
    void on_written(const asio::error_code& ec, std::size_t n);

    asio::ip::tcp::socket socket_;
    asio::steady_timer linger_;
    const SessionConfig& config_;
    Dispatcher& dispatcher_;
    EventHub& hub_;
    std::uint64_t number_;
    std::string peer_;
    qv::proto::FrameDecoder decoder_;
    std::array<char, 64 * 1024> in_buf_{};
    std::deque<std::string> out_;
    std::size_t out_bytes_ = 0;
    std::size_t writing_count_ = 0;  // frames of out_ in the write under way
    bool reading_ = false;
    bool busy_ = false;       // a request is being answered
    bool processing_ = false; // inside process()
    bool closing_ = false;    // no more requests; close when the output is out
    bool closed_ = false;
    bool hello_done_ = false;

    std::string application_;
    std::string user_;
    RightSet rights_;
    bool logged_in_ = false;
    int login_failures_ = 0;
    Discriminator discriminator_;
    AlbumTracker albums_;
};

}  // namespace qv::server
