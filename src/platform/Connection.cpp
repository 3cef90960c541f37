#include "platform/Connection.hpp"

#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "platform/ReplyReader.hpp"

namespace {

QvStatus timed_out(const Deadline& deadline)
{
    return QvStatus::failure(QvStatus::TimedOut,
                             "Timed out after " + deadline.describe() + " waiting for the server");
}

// The server's own error codes; the library's start at 20.
constexpr std::int64_t kServerCodeMin = 1;
constexpr std::int64_t kServerCodeMax = 19;

}  // namespace

Connection::Connection(EventSink on_event, LossHandler on_lost)
    : on_event_(std::move(on_event)), on_lost_(std::move(on_lost))
{
}

QvStatus Connection::open(const std::string& host, int port, const nlohmann::json& client_hello,
                          double timeout_seconds, ServerHello& hello)
{
    close();
    peer_ = host + ":" + std::to_string(port);
    const Deadline deadline(timeout_seconds);
    std::vector<SocketAddress> addresses;
    QvStatus st = HostResolver::resolve(host, port, addresses);
    if (st)
        st = socket_.connect_any(addresses, peer_, deadline);
    // With a certificate authority named, the server must prove who it is.
    const char* ca_file = std::getenv("QV_TLS_CA");
    if (st && ca_file && *ca_file)
        st = socket_.start_tls(ca_file, host, peer_, deadline);
    return st ? handshake(client_hello, deadline, hello) : st;
}

QvStatus Connection::open_socket(int fd, const std::string& peer, const nlohmann::json& client_hello,
                                 double timeout_seconds, ServerHello& hello)
{
    close();
    peer_ = peer;
    socket_.adopt(fd);
    return handshake(client_hello, Deadline(timeout_seconds), hello);
}

QvStatus Connection::handshake(const nlohmann::json& client_hello, const Deadline& deadline, ServerHello& hello)
{
    loss_ = QvStatus::success();
    malformed_ = false;
    decoder_ = qv::proto::FrameDecoder(kMaxIncomingFrame);
    last_sent_ = std::chrono::steady_clock::now();
    QvStatus st = socket_.send_all(qv::proto::encode_frame(client_hello), deadline);
    if (st)
        st = read_hello(deadline, hello);
    if (!st)
        socket_.close();
    return st;
}

QvStatus Connection::read_hello(const Deadline& deadline, ServerHello& hello)
{
    for (;;) {
        if (auto body = decoder_.next()) {
            std::string why;
            auto j = qv::proto::parse_body(*body, &why);
            if (!j)
                return QvStatus::failure(QvStatus::BadRequest, "The server at " + peer_ + " sent " + why);
            return take_hello(*j, hello);
        }
        if (decoder_.failed())
            return QvStatus::failure(QvStatus::BadRequest,
                                     "The server at " + peer_ + " does not speak the qv protocol (" +
                                         decoder_.error() + ")");
        if (!socket_.wait_readable(deadline))
            return timed_out(deadline);
        std::string bytes;
        const auto r = socket_.read_some(bytes);
        if (r == TcpSocket::ReadResult::Closed || r == TcpSocket::ReadResult::Failed)
            return QvStatus::failure(QvStatus::ConnectionLost, "The server at " + peer_ + " closed the connection");
        decoder_.feed(bytes);
    }
}

QvStatus Connection::take_hello(const nlohmann::json& frame, ServerHello& hello)
{
    ReplyReader r(frame, "the hello");
    if (r.text("type") != "hello" && r.ok()) {
        // A refusal: {"type": "error", "code": 1, "error": "expected a hello"}.
        ReplyReader refusal(frame, "the server's refusal");
        const auto code = refusal.integer_or("code", QvStatus::BadRequest, kServerCodeMin, kServerCodeMax);
        const std::string text = refusal.text_or("error", "an unexpected first message");
        if (!refusal.ok())
            return malformed(refusal.problem());
        return QvStatus::failure(static_cast<int>(code), "The server at " + peer_ + " refused the connection: " + text);
    }
    const auto protocol = r.integer("protocol");
    hello.server = r.text_or("server", "");
    hello.system = r.text_or("system", "");
    const std::string login = r.text_or("login", "none");
    if (login != "required" && login != "none")
        r.fail("field 'login' of the hello is " + ReplyReader::quoted(login) + ", expected \"required\" or \"none\"");
    hello.login_required = login == "required";
    hello.idle_timeout = r.number_or("idle_timeout", 0);
    if (!r.ok())
        return malformed(r.problem());
    if (protocol != qv::proto::kProtocolVersion)
        return QvStatus::failure(QvStatus::BadRequest, "The server at " + peer_ + " speaks protocol version " +
                                                           std::to_string(protocol) + "; this client speaks " +
                                                           std::to_string(qv::proto::kProtocolVersion));
    return QvStatus::success();
}

QvStatus Connection::malformed(const std::string& problem)
{
    if (!malformed_)
        std::cerr << program_invocation_short_name << ": malformed reply from the server: " << problem << " ("
                  << peer_ << ")" << std::endl;
    malformed_ = true;
    return QvStatus::failure(QvStatus::MalformedReply,
                             "Malformed reply from the server at " + peer_ + ": " + problem);
}

QvStatus Connection::reject_reply(const std::string& problem)
{
    const bool first = !malformed_;
    QvStatus st = malformed(problem);
    if (first)
        loss_ = st;
    if (socket_.is_open()) {
        socket_.close();
        if (on_lost_)
            on_lost_();
    }
    return st;
}

void Connection::close()
{
    socket_.close();
}

QvStatus Connection::lost_status() const
{
    if (!loss_)
        return loss_;
    return QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
}

void Connection::lose(const std::string& why)
{
    if (!socket_.is_open())
        return;
    socket_.close();
    loss_ = QvStatus::failure(QvStatus::ConnectionLost, "Connection to " + peer_ + " lost: " + why);
    if (on_lost_)
        on_lost_();
}

bool Connection::read_into_decoder()
{
    std::string bytes;
    bool got = false;
    for (;;) {
        const auto r = socket_.read_some(bytes);
        if (r == TcpSocket::ReadResult::Data) {
            got = true;
            continue;
        }
        if (!bytes.empty())
            decoder_.feed(bytes);
        if (r == TcpSocket::ReadResult::Closed)
            lose("the server closed the connection");
        else if (r == TcpSocket::ReadResult::Failed)
            lose(socket_.last_error());
        return got;
    }
}

bool Connection::take_frame(std::int64_t wanted_id, nlohmann::json& reply)
{
    // After a malformed frame nothing later in the stream is read: the
    // connection is gone, even when the server's close came first.
    while (!malformed_) {
        auto body = decoder_.next();
        if (!body)
            break;
        std::string why;
        auto j = qv::proto::parse_body(*body, &why);
        if (!j) {
            reject_reply(why);
            return false;
        }
        if (j->contains("event")) {
            const std::string problem = on_event_ ? on_event_(std::move(*j)) : std::string();
            if (!problem.empty())
                reject_reply(problem);
            continue;
        }
        ReplyReader r(*j, "the reply");
        const std::int64_t id = r.integer("id", 0);
        const bool ok = r.flag("ok");
        if (!r.ok()) {
            reject_reply(r.problem());
            return false;
        }
        if (id == wanted_id || (id == 0 && !ok)) {
            reply = std::move(*j);
            return true;
        }
        // Anything else is a late reply to a request that timed out: dropped.
    }
    if (decoder_.failed())
        lose("the server sent a broken frame (" + decoder_.error() + ")");
    return false;
}

QvStatus Connection::take_result(nlohmann::json& reply, nlohmann::json& result)
{
    if (reply["ok"].get<bool>()) {  // its type was read in take_frame
        reply.erase("id");
        reply.erase("ok");
        result = std::move(reply);
        return QvStatus::success();
    }
    ReplyReader r(reply, "the error reply");
    const auto code = r.integer("code", kServerCodeMin, kServerCodeMax);
    std::string text = r.text("error");
    if (!r.ok())
        return reject_reply(r.problem());
    if (text.empty())
        text = "The server refused the request (code " + std::to_string(code) + ")";
    return QvStatus::failure(static_cast<int>(code), text);
}

QvStatus Connection::request(const std::string& op, nlohmann::json params, nlohmann::json& result,
                             double timeout_seconds)
{
    if (!socket_.is_open())
        return lost_status();
    const Deadline deadline(timeout_seconds);
    const std::int64_t id = next_id_++;
    if (!params.is_object())
        params = nlohmann::json::object();
    params["id"] = id;
    params["op"] = op;
    const std::string frame = qv::proto::encode_frame(params);
    if (frame.empty())
        return QvStatus::failure(QvStatus::BadArgument,
                                 "The request is too large to send (more than " +
                                     std::to_string(qv::proto::kDefaultMaxFrame / (1024 * 1024)) + " MiB)");
    last_sent_ = std::chrono::steady_clock::now();
    QvStatus st = socket_.send_all(frame, deadline);
    if (!st) {
        if (st.code() == QvStatus::ConnectionLost)
            lose(socket_.last_error());
        return socket_.is_open() ? st : lost_status();
    }
    nlohmann::json reply;
    for (;;) {
        if (take_frame(id, reply))
            break;
        if (!socket_.is_open())
            return lost_status();
        if (!socket_.wait_readable(deadline))
            return timed_out(deadline);
        read_into_decoder();
    }
    return take_result(reply, result);
}

void Connection::send_only(const std::string& op, nlohmann::json params)
{
    if (!socket_.is_open())
        return;
    const std::int64_t id = next_id_++;
    params["id"] = id;
    params["op"] = op;
    last_sent_ = std::chrono::steady_clock::now();
    socket_.send_all(qv::proto::encode_frame(params), Deadline(5.0));
}

double Connection::idle_seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - last_sent_).count();
}

void Connection::read_available()
{
    if (!socket_.is_open())
        return;
    read_into_decoder();
    nlohmann::json ignored;
    while (take_frame(-1, ignored)) {
    }
}

bool Connection::wait_and_read(double timeout_seconds)
{
    if (!socket_.is_open() || !socket_.wait_readable(Deadline(timeout_seconds)))
        return false;
    read_available();
    return true;
}
