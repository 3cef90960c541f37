#include "platform/Connection.hpp"

namespace {

QvStatus timed_out(const Deadline& deadline)
{
    return QvStatus::failure(QvStatus::TimedOut,
                             "Timed out after " + deadline.describe() + " waiting for the server");
}

QvStatus reply_status(const nlohmann::json& reply)
{
    if (reply.value("ok", false))
        return QvStatus::success();
    const int code = reply.value("code", static_cast<int>(QvStatus::ServerError));
    std::string text = reply.value("error", std::string());
    if (text.empty())
        text = "The server refused the request (code " + std::to_string(code) + ")";
    return QvStatus::failure(code, text);
}

}  // namespace

Connection::Connection(EventSink on_event, LossHandler on_lost)
    : on_event_(std::move(on_event)), on_lost_(std::move(on_lost))
{
}

QvStatus Connection::open(const std::string& host, int port, const nlohmann::json& client_hello,
                          double timeout_seconds, nlohmann::json& hello)
{
    close();
    peer_ = host + ":" + std::to_string(port);
    loss_reason_.clear();
    decoder_ = qv::proto::FrameDecoder(kMaxIncomingFrame);
    const Deadline deadline(timeout_seconds);
    std::vector<SocketAddress> addresses;
    QvStatus st = HostResolver::resolve(host, port, addresses);
    if (st)
        st = socket_.connect_any(addresses, peer_, deadline);
    if (st)
        st = socket_.send_all(qv::proto::encode_frame(client_hello), deadline);
    if (st)
        st = read_hello(deadline, hello);
    if (!st)
        socket_.close();
    return st;
}

QvStatus Connection::read_hello(const Deadline& deadline, nlohmann::json& hello)
{
    for (;;) {
        if (auto body = decoder_.next()) {
            std::string why;
            auto j = qv::proto::parse_body(*body, &why);
            if (!j)
                return QvStatus::failure(QvStatus::BadRequest, "The server at " + peer_ + " sent " + why);
            if (j->value("type", std::string()) == "hello") {
                hello = std::move(*j);
                return QvStatus::success();
            }
            const std::string text = j->value("error", std::string("an unexpected first message"));
            return QvStatus::failure(j->value("code", static_cast<int>(QvStatus::BadRequest)),
                                     "The server at " + peer_ + " refused the connection: " + text);
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

void Connection::close()
{
    socket_.close();
}

QvStatus Connection::lost_status() const
{
    if (!loss_reason_.empty())
        return QvStatus::failure(QvStatus::ConnectionLost, loss_reason_);
    return QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
}

void Connection::lose(const std::string& why)
{
    if (!socket_.is_open())
        return;
    socket_.close();
    loss_reason_ = "Connection to " + peer_ + " lost: " + why;
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

bool Connection::take_frame(long wanted_id, nlohmann::json& reply)
{
    while (auto body = decoder_.next()) {
        auto j = qv::proto::parse_body(*body);
        if (!j)
            continue;  // nothing to route it to; the next frame is still in step
        if (j->contains("event")) {
            if (on_event_)
                on_event_(std::move(*j));
            continue;
        }
        const long id = j->value("id", 0L);
        if (id == wanted_id || (id == 0 && !j->value("ok", true))) {
            reply = std::move(*j);
            return true;
        }
        // Anything else is a late reply to a request that timed out: dropped.
    }
    if (decoder_.failed())
        lose("the server sent a broken frame (" + decoder_.error() + ")");
    return false;
}

QvStatus Connection::request(const std::string& op, nlohmann::json params, nlohmann::json& result,
                             double timeout_seconds)
{
    if (!socket_.is_open())
        return lost_status();
    const Deadline deadline(timeout_seconds);
    const long id = next_id_++;
    if (!params.is_object())
        params = nlohmann::json::object();
    params["id"] = id;
    params["op"] = op;
    const std::string frame = qv::proto::encode_frame(params);
    if (frame.empty())
        return QvStatus::failure(QvStatus::BadArgument,
                                 "The request is too large to send (more than " +
                                     std::to_string(qv::proto::kDefaultMaxFrame / (1024 * 1024)) + " MiB)");
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
    st = reply_status(reply);
    if (st) {
        reply.erase("id");
        reply.erase("ok");
        result = std::move(reply);
    }
    return st;
}

void Connection::send_only(const std::string& op, nlohmann::json params)
{
    if (!socket_.is_open())
        return;
    const long id = next_id_++;
    params["id"] = id;
    params["op"] = op;
    socket_.send_all(qv::proto::encode_frame(params), Deadline(5.0));
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
