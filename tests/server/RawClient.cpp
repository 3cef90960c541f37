#include "RawClient.hpp"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qv::test {

RawClient::RawClient(int port, const std::string& from)
{
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0)
        throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    sockaddr_in source{};
    source.sin_family = AF_INET;
    if (inet_pton(AF_INET, from.c_str(), &source.sin_addr) != 1 ||
        ::bind(fd_, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) {
        ::close(fd_);
        throw std::runtime_error("cannot bind to " + from);
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        const std::string why = std::strerror(errno);
        ::close(fd_);
        throw std::runtime_error("connect to port " + std::to_string(port) + ": " + why);
    }
    int one = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

RawClient::~RawClient()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void RawClient::send_bytes(const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error(std::string("send: ") + std::strerror(errno));
        sent += static_cast<std::size_t>(n);
    }
}

void RawClient::send(const nlohmann::json& message) { send_bytes(qv::proto::encode_frame(message)); }

std::optional<nlohmann::json> RawClient::receive(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (auto body = decoder_.next())
            return nlohmann::json::parse(*body);
        if (decoder_.failed())
            throw std::runtime_error("bad frame from the server: " + decoder_.error());
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(left.count()));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return std::nullopt;
        char buf[65536];
        const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n <= 0) {
            closed_ = n == 0 || errno == ECONNRESET;
            return std::nullopt;
        }
        decoder_.feed(buf, static_cast<std::size_t>(n));
    }
}

bool RawClient::closed_by_server(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    using Clock = std::chrono::steady_clock;
    for (auto now = Clock::now(); !closed_ && now < deadline; now = Clock::now())
        receive(std::chrono::duration<double>(deadline - now).count());  // frames before the end are skipped
    return closed_;
}

nlohmann::json RawClient::hello(const std::string& application, const std::string& user, int protocol)
{
    send(nlohmann::json{{"type", "hello"}, {"protocol", protocol}, {"application", application}, {"user", user}});
    auto answer = receive();
    if (!answer)
        throw std::runtime_error("no answer to the hello");
    return *answer;
}

nlohmann::json RawClient::request(const std::string& op, nlohmann::json params)
{
    const std::int64_t id = next_id_++;
    params["id"] = id;
    params["op"] = op;
    send(params);
    for (;;) {
        auto frame = receive();
        if (!frame)
            throw std::runtime_error("no reply to " + op);
        if (frame->contains("event")) {
            events_.push_back(std::move(*frame));
            continue;
        }
        if (frame->value("id", std::int64_t{-1}) != id)
            throw std::runtime_error("reply out of order: " + frame->dump());
        return *frame;
    }
}

nlohmann::json RawClient::ok(const std::string& op, nlohmann::json params)
{
    auto reply = request(op, std::move(params));
    EXPECT_EQ(reply.value("ok", false), true) << op << ": " << reply.dump();
    return reply;
}

std::optional<nlohmann::json> RawClient::next_event(double seconds)
{
    if (!events_.empty()) {
        auto e = std::move(events_.front());
        events_.pop_front();
        return e;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        const double left = std::chrono::duration<double>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        auto frame = receive(left);
        if (!frame)
            return std::nullopt;
        if (frame->contains("event"))
            return frame;
    }
}

nlohmann::json RawClient::login(const std::string& user, const std::string& password)
{
    return request("login", {{"user", user}, {"password", password}});
}

std::string system_dn(const std::string& system) { return "/systemId=name:\"" + system + "\""; }

std::string node_dn(const std::string& system, long id)
{
    return system_dn(system) + "/topoNodeId=" + std::to_string(id);
}

std::string type_dn(const std::string& system, const std::string& type)
{
    return system_dn(system) + "/topoTypeId=\"" + type + "\"";
}

}  // namespace qv::test
