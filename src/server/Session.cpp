#include "server/Session.hpp"

#include <cstdio>

#include "server/BufferBudget.hpp"
#include "server/Dispatcher.hpp"
#include "server/EventHub.hpp"
#include "server/Log.hpp"
#include "server/RequestReader.hpp"
#include "server/Rights.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

constexpr int kProtocolVersion = qv::proto::kProtocolVersion;
const char* const kServerVersion = "qv_server 4.0";

json error_frame(std::int64_t id, ErrorCode code, const std::string& text)
{
    return json{{"id", id}, {"ok", false}, {"code", static_cast<int>(code)}, {"error", text}};
}

}  // namespace

void Call::reply(json result)
{
    if (answered_)
        return;
    answered_ = true;
    if (!result.is_object())
        result = json::object();
    result["id"] = id_;
    result["ok"] = true;
    session_->send(result);
    session_->finish_call();
}

void Call::reply_members(std::string_view members)
{
    if (answered_)
        return;
    answered_ = true;
    const std::string tail = "\"id\":" + std::to_string(id_) + ",\"ok\":true}";
    std::string frame(qv::proto::kHeaderSize, '\0');
    frame.reserve(frame.size() + members.size() + tail.size() + 2);
    frame += '{';
    frame += members;
    if (!members.empty())
        frame += ',';
    frame += tail;
    session_->send_frame(std::move(frame), id_);
    session_->finish_call();
}

void Call::fail(ErrorCode code, const std::string& text)
{
    if (answered_)
        return;
    answered_ = true;
    if (code == ErrorCode::NotAuthorized)
        log_line("#" + std::to_string(session_->number()) + " " + op() + " refused for " +
                 (session_->user().empty() ? std::string("?") : session_->user()) + ": " + text);
    session_->send(error_frame(id_, code, text));
    session_->finish_call();
}

Session::Session(asio::ip::tcp::socket socket, const SessionConfig& config, const SessionServices& services,
                 std::uint64_t number)
    : stream_(std::move(socket)),
      linger_(stream_.tcp().get_executor()),
      config_(config),
      services_(services),
      number_(number),
      decoder_(config.max_frame),
      started_(Clock::now()),
      last_activity_(started_)
{
    asio::error_code ec;
    const auto ep = stream_.tcp().remote_endpoint(ec);
    address_ = ec ? std::string("unknown") : ep.address().to_string();
    peer_ = ec ? std::string("unknown peer") : address_ + ":" + std::to_string(ep.port());
    stream_.tcp().set_option(asio::ip::tcp::no_delay(true), ec);
    // A peer that vanished without a word (cable, crash) is found out.
    stream_.tcp().set_option(asio::socket_base::keep_alive(true), ec);
}

void Session::log(const std::string& text) const
{
    if (!quiet_)
        log_line("#" + std::to_string(number_) + " " + text);
}

void Session::start()
{
    log("connection from " + peer_);
    if (config_.tls)
        choose_stream();
    else
        read();
}

void Session::choose_stream()
{
    stream_.async_sniff([self = shared_from_this()](const asio::error_code& ec, bool tls) {
        if (self->closed_ || self->closing_)
            return;
        if (ec) {
            self->close(ec.message());
            return;
        }
        if (tls) {
            self->stream_.async_start_tls(*self->config_.tls, [self](const asio::error_code& handshake_ec) {
                if (self->closed_ || self->closing_)
                    return;
                if (handshake_ec) {
                    self->close("TLS handshake failed: " + handshake_ec.message());
                    return;
                }
                self->log("TLS " + std::string(SSL_get_version(self->stream_.ssl())));
                self->read();
            });
            return;
        }
        const bool this_machine = self->address_ == "127.0.0.1" || self->address_ == "::1";
        if (self->config_.require_login && !this_machine) {
            const std::string text =
                "this server takes logins from other machines only over TLS: "
                "set QV_TLS_CA to the file of the certificate authority that signed its certificate";
            self->send_and_close(json{{"type", "error"}, {"code", 1}, {"error", text}},
                                 "plain text from " + self->address_);
            return;
        }
        self->read();
    });
}

void Session::refuse(const std::string& text)
{
    quiet_ = true;
    send_and_close(json{{"type", "error"}, {"code", 1}, {"error", text}}, text);
}

void Session::set_user(std::string user, std::int64_t user_id, RightSet rights)
{
    user_ = std::move(user);
    user_id_ = user_id;
    rights_ = std::move(rights);
    logged_in_ = true;
}

void Session::check_time_limits(Clock::time_point now)
{
    if (closed_ || closing_)
        return;
    const Limits& limits = config_.limits;
    auto passed = [&](Clock::time_point since, double limit) {
        return limit > 0 && now - since > std::chrono::duration<double>(limit);
    };
    auto seconds = [](double s) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", s);
        return std::string(text);
    };
    if (!hello_done_ && passed(started_, limits.hello_timeout)) {
        const std::string text = "no hello within " + seconds(limits.hello_timeout) + " s";
        send_and_close(json{{"type", "error"}, {"code", 1}, {"error", text}}, text);
    } else if (reading_ && partial_since_ != Clock::time_point{} && passed(partial_since_, limits.frame_timeout)) {
        const std::string text = "a frame was not completed within " + seconds(limits.frame_timeout) + " s";
        send_and_close(error_frame(0, ErrorCode::Malformed, text), text);
    } else if (!busy_ && passed(last_activity_, limits.idle_timeout)) {
        close("idle for " + seconds(limits.idle_timeout) + " s");
    }
}

void Session::read()
{
    if (reading_ || closing_ || closed_ || busy_ || scheduled_ || output_full())
        return;
    // Everything still buffered here is the start of a frame not yet whole.
    if (decoder_.buffered() == 0)
        partial_since_ = {};
    else if (partial_since_ == Clock::time_point{})
        partial_since_ = Clock::now();
    reading_ = true;
    stream_.async_read_some(asio::buffer(in_buf_),
                            [self = shared_from_this()](const asio::error_code& ec, std::size_t n) {
                                self->on_read(ec, n);
                            });
}

void Session::on_read(const asio::error_code& ec, std::size_t n)
{
    reading_ = false;
    if (closed_)
        return;
    if (ec) {
        const bool ended = ec == asio::error::eof || ec == asio::ssl::error::stream_truncated;
        close(ended ? "client closed the connection" : ec.message());
        return;
    }
    last_activity_ = Clock::now();
    decoder_.feed(in_buf_.data(), n);
    if (account())
        process();
}

void Session::schedule()
{
    if (scheduled_ || closed_)
        return;
    scheduled_ = true;
    asio::post(linger_.get_executor(), [self = shared_from_this()] {
        self->scheduled_ = false;
        self->process();
    });
}

void Session::process()
{
    if (processing_ || scheduled_)
        return;
    processing_ = true;
    int handled = 0;
    std::size_t taken = 0;
    const std::size_t output_before = out_bytes_;
    auto turn_over = [&] { return handled == kFramesPerTurn || out_bytes_ >= output_before + kTurnOutput; };
    while (!busy_ && !closing_ && !closed_ && !output_full() && !turn_over()) {
        auto body = decoder_.next();
        if (!body)
            break;
        ++handled;
        taken += body->size();
        partial_since_ = {};
        handle_frame(std::move(*body));
    }
    processing_ = false;
    // The turn's replies leave in one gathered write.
    write();
    if (taken >= BufferBudget::kFreePerConnection && decoder_.buffered() == 0) {
        // Let the decoder's grown buffer go with the large frame it held.
        decoder_ = qv::proto::FrameDecoder(config_.max_frame);
        services_.budget.released(taken);
    }
    if (closed_ || closing_ || !account())
        return;
    if (decoder_.failed()) {
        // Framing cannot be resynchronised: say why and hang up.
        send_and_close(error_frame(0, ErrorCode::Malformed, decoder_.error()), decoder_.error());
        return;
    }
    if (turn_over())
        schedule();  // the others first; then the rest of this client's frames
    else
        read();
}

bool Session::account()
{
    const std::size_t held = decoder_.buffered() + out_bytes_;
    const std::size_t want = held > BufferBudget::kFreePerConnection ? held - BufferBudget::kFreePerConnection : 0;
    if (want > charged_ && !services_.budget.take(want - charged_)) {
        close("the server's buffer memory is used up (" + std::to_string(services_.budget.used() >> 20) + " of " +
              std::to_string(services_.budget.limit() >> 20) + " MiB); this client would hold " +
              std::to_string(held) + " bytes");
        return false;
    }
    if (want < charged_)
        services_.budget.give(charged_ - want);
    charged_ = want;
    return true;
}
void Session::handle_frame(std::string body)
{
    std::string why;
    std::vector<TextMember> in_text;
    auto message = hello_done_ ? RequestReader::read(body, in_text, &why) : qv::proto::parse_body(body, &why);
    if (!message) {
        send_and_close(error_frame(0, ErrorCode::Malformed, why), why);
        return;
    }
    if (!hello_done_)
        handle_hello(*message);
    else
        handle_request(std::move(*message), std::move(body), std::move(in_text));
}

void Session::handle_hello(const json& hello)
{
    auto type = hello.find("type");
    if (type == hello.end() || *type != "hello") {
        send_and_close(json{{"type", "error"}, {"code", 1}, {"error", "expected a hello"}}, "no hello");
        return;
    }
    auto protocol = hello.find("protocol");
    if (protocol == hello.end() || !protocol->is_number_integer() || *protocol != kProtocolVersion) {
        const std::string got = protocol == hello.end() ? std::string("none") : protocol->dump();
        const std::string text = "unsupported protocol version " + got + "; this server speaks " +
                                 std::to_string(kProtocolVersion);
        send_and_close(json{{"type", "error"}, {"code", 1}, {"error", text}}, text);
        return;
    }
    auto text_of = [&](const char* name) {
        auto it = hello.find(name);
        return it != hello.end() && it->is_string() ? it->get<std::string>() : std::string();
    };
    application_ = text_of("application");
    const std::string proposed = text_of("user");
    hello_done_ = true;
    if (!config_.require_login)
        set_user(proposed, 0, RightSet(rights::all().begin(), rights::all().end()));
    log("hello from " + (application_.empty() ? "?" : application_) + ", user " + (proposed.empty() ? "?" : proposed));
    send(json{{"type", "hello"},
              {"protocol", kProtocolVersion},
              {"server", kServerVersion},
              {"system", config_.system_name},
              {"login", config_.require_login ? "required" : "none"},
              {"idle_timeout", config_.limits.idle_timeout}});
}

void Session::handle_request(json request, std::string body, std::vector<TextMember> in_text)
{
    auto id = request.find("id");
    const bool id_ok = id != request.end() && id->is_number_integer() && id->get<std::int64_t>() > 0;
    const std::int64_t number = id_ok ? id->get<std::int64_t>() : 0;
    auto op = request.find("op");
    if (!id_ok || op == request.end() || !op->is_string()) {
        send(error_frame(number, ErrorCode::Malformed,
                         id_ok ? "a request needs \"op\", a string" : "a request needs \"id\", a positive integer"));
        return;
    }
    busy_ = true;
    auto text = in_text.empty() ? nullptr : std::make_shared<const std::string>(std::move(body));
    services_.dispatcher.dispatch(
        std::make_shared<Call>(shared_from_this(), number, std::move(request), std::move(text), std::move(in_text)));
}

void Session::finish_call()
{
    busy_ = false;
    if (processing_ || closed_)
        return;
    // Answered later by another job: go on with what the client sent meanwhile.
    schedule();
}

void Session::send(const json& message)
{
    if (closed_)
        return;
    std::string frame = qv::proto::encode_frame(message, config_.max_frame);
    if (frame.empty()) {
        if (!message.contains("id")) {
            log("event dropped: larger than the frame limit");
            return;
        }
        frame = too_large(message["id"].get<std::int64_t>());
    }
    queue(std::move(frame));
}

void Session::send_frame(std::string frame, std::int64_t id)
{
    if (closed_)
        return;
    if (!qv::proto::seal_frame(frame, config_.max_frame))
        frame = too_large(id);
    queue(std::move(frame));
}

std::string Session::too_large(std::int64_t id) const
{
    return qv::proto::encode_frame(error_frame(id, ErrorCode::ServerError,
                                               "the reply exceeds the frame limit of " +
                                                   std::to_string(config_.max_frame) + " bytes; ask for less"),
                                   config_.max_frame);
}

void Session::queue(std::string frame)
{
    out_bytes_ += frame.size();
    out_.push_back(std::move(frame));
    if (out_bytes_ > config_.max_output) {
        close("client does not read: " + std::to_string(out_bytes_) + " bytes of output waiting");
        return;
    }
    if (!account())
        return;
    // Inside a turn the replies wait for its end, to leave together.
    if (!processing_)
        write();
}

void Session::send_and_close(const json& message, const std::string& reason)
{
    if (closing_ || closed_)
        return;
    send(message);
    close_after_output(reason);
}

void Session::close_after_output(const std::string& reason)
{
    if (closing_ || closed_)
        return;
    closing_ = true;
    log("refused: " + reason);
    // A client that will not take the last frame is cut off all the same.
    linger_.expires_after(std::chrono::seconds(quiet_ ? 1 : 5));
    linger_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        if (!ec)
            self->close("closed after an error");
    });
    if (writing_count_ == 0 && out_.empty())
        close("closed after an error");
}

void Session::write()
{
    if (writing_count_ > 0 || out_.empty() || closed_ || processing_)
        return;
    std::vector<asio::const_buffer> buffers;
    for (const auto& frame : out_) {
        buffers.push_back(asio::buffer(frame));
        if (buffers.size() == 64)
            break;
    }
    writing_count_ = buffers.size();
    stream_.async_write(buffers, [self = shared_from_this()](const asio::error_code& ec, std::size_t n) {
        self->on_written(ec, n);
    });
}

void Session::on_written(const asio::error_code& ec, std::size_t n)
{
    if (closed_)
        return;
    if (ec) {
        close(ec.message());
        return;
    }
    last_activity_ = Clock::now();
    const bool was_full = output_full();
    for (std::size_t i = 0; i < writing_count_; ++i) {
        out_bytes_ -= out_.front().size();
        out_.pop_front();
    }
    writing_count_ = 0;
    if (closing_ && out_.empty()) {
        close("closed after an error");
        return;
    }
    if (n >= BufferBudget::kFreePerConnection)
        services_.budget.released(n);
    account();
    write();
    // The client read enough: its waiting requests go on.
    if (was_full && !output_full())
        schedule();
}

void Session::close(const std::string& reason)
{
    if (closed_)
        return;
    closed_ = true;
    log("closed: " + reason);
    services_.budget.give(charged_);
    services_.budget.released(charged_ + decoder_.buffered());
    charged_ = 0;
    linger_.cancel();
    stream_.close();
    // The queued frames stay until the session goes: a cancelled write may
    // still refer to them.
    services_.hub.remove(number_);
}

}  // namespace qv::server
