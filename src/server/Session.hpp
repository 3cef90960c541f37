// One client connection: framing, the hello, the order of requests and
// replies, the bounded output queue, its share of the loop and of the
// buffer memory, its time limits, and what the connection has chosen to
// receive. Lives on the server's one network thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include <asio.hpp>
#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"
#include "server/Actor.hpp"
#include "server/AlbumTracker.hpp"
#include "server/Call.hpp"
#include "server/ChangeSet.hpp"
#include "server/Discriminator.hpp"
#include "server/ServerConfig.hpp"
#include "server/SessionStream.hpp"

namespace qv::server {

class BufferBudget;
class Dispatcher;
class EventHub;

struct SessionConfig {
    bool require_login = false;
    std::string system_name;
    std::uint32_t max_frame = qv::proto::kDefaultMaxFrame;
    // A client that lets this much output pile up is disconnected.
    std::size_t max_output = 64u * 1024u * 1024u;
    Limits limits;
    // When set, a client may speak TLS; with require_login, a client not on
    // this machine (127.0.0.1, ::1) must.
    asio::ssl::context* tls = nullptr;
};

// What every session shares with the server.
struct SessionServices {
    Dispatcher& dispatcher;
    EventHub& hub;
    BufferBudget& budget;
};

class Session : public std::enable_shared_from_this<Session> {
public:
    using Clock = std::chrono::steady_clock;

    // At most this many frames of one client are handled before the others
    // get their turn.
    static constexpr int kFramesPerTurn = 16;
    // ...or fewer, once their replies pass this size.
    static constexpr std::size_t kTurnOutput = 64 * 1024;
    // Past this much unsent output the client's further requests wait until
    // it reads: a client that does not read costs nothing more.
    static constexpr std::size_t kOutputHighWater = 256 * 1024;

    Session(asio::ip::tcp::socket socket, const SessionConfig& config, const SessionServices& services,
            std::uint64_t number);

    void start();
    // Tells the client why it is not served and closes (the server is full);
    // logs nothing itself, the server does.
    void refuse(const std::string& text);
    // Ends the connection at once (server shutdown).
    void close(const std::string& reason);
    bool closed() const { return closed_; }
    // Closes the connection when one of its time limits has passed.
    void check_time_limits(Clock::time_point now);

    // Queues a frame; disconnects the client when its output piles up.
    void send(const nlohmann::json& message);
    // The same for a frame written in place (see qv::proto::seal_frame), the
    // reply to request id.
    void send_frame(std::string frame, std::int64_t id);
    // Sends, then closes once the frame is out.
    void send_and_close(const nlohmann::json& message, const std::string& reason);
    // Takes no more requests and closes once the queued output is out.
    void close_after_output(const std::string& reason);
    void finish_call();

    std::uint64_t number() const { return number_; }
    const std::string& peer() const { return peer_; }
    // The client's IP address, without the port.
    const std::string& address() const { return address_; }
    const std::string& application() const { return application_; }
    const std::string& user() const { return user_; }
    // The logged-in user's id in the user table (0 in open mode).
    std::int64_t user_id() const { return user_id_; }
    const RightSet& rights() const { return rights_; }
    // Who this connection's writes are recorded as.
    Actor actor() const { return {config_.require_login ? user_ : "open mode", application_, address_}; }
    bool logged_in() const { return logged_in_; }
    void set_user(std::string user, std::int64_t user_id, RightSet rights);
    void set_rights(RightSet rights) { rights_ = std::move(rights); }
    // Counts a refused login; the number refused so far.
    int count_login_failure() { return ++login_failures_; }
    const SessionConfig& config() const { return config_; }
    Discriminator& discriminator() { return discriminator_; }
    AlbumTracker& albums() { return albums_; }
    std::size_t queued_output() const { return out_bytes_; }

private:
    void choose_stream();
    void read();
    void on_read(const asio::error_code& ec, std::size_t n);
    void schedule();
    void process();
    bool output_full() const { return out_bytes_ > kOutputHighWater; }
    bool account();
    void handle_frame(std::string body);
    void handle_hello(const nlohmann::json& hello);
    void handle_request(nlohmann::json request, std::string body, std::vector<TextMember> in_text);
    std::string too_large(std::int64_t id) const;
    void queue(std::string frame);
    void write();
    void on_written(const asio::error_code& ec, std::size_t n);
    void log(const std::string& text) const;

    SessionStream stream_;
    asio::steady_timer linger_;
    const SessionConfig& config_;
    SessionServices services_;
    std::uint64_t number_;
    std::string peer_;
    std::string address_;
    qv::proto::FrameDecoder decoder_;
    std::array<char, 64 * 1024> in_buf_{};
    std::deque<std::string> out_;
    std::size_t out_bytes_ = 0;
    std::size_t charged_ = 0;        // bytes taken from the budget
    std::size_t writing_count_ = 0;  // frames of out_ in the write under way
    Clock::time_point started_;
    Clock::time_point last_activity_;  // a byte read or written
    Clock::time_point partial_since_{};  // when the incomplete frame began
    bool reading_ = false;
    bool scheduled_ = false;  // a turn of process() is posted
    bool busy_ = false;       // a request is being answered
    bool processing_ = false; // inside process()
    bool closing_ = false;    // no more requests; close when the output is out
    bool closed_ = false;
    bool hello_done_ = false;
    bool quiet_ = false;      // refused at accept: the server logs it

    std::string application_;
    std::string user_;
    std::int64_t user_id_ = 0;
    RightSet rights_;
    bool logged_in_ = false;
    int login_failures_ = 0;
    Discriminator discriminator_;
    AlbumTracker albums_;
};

}  // namespace qv::server
