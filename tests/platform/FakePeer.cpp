#include "FakePeer.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include "protocol/Frame.hpp"

namespace {

void send_text(int fd, const std::string& bytes)
{
    ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

}  // namespace

FakePeer::FakePeer(Behaviour behaviour, std::vector<std::string> script)
    : behaviour_(behaviour), script_(std::move(script))
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, 4) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        throw std::runtime_error("FakePeer: cannot listen on loopback");
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { serve(); });
}

FakePeer::~FakePeer()
{
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

std::vector<nlohmann::json> FakePeer::received()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void FakePeer::serve()
{
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        act(client);
        ::close(client);
    }
}

std::string FakePeer::hello_body()
{
    return R"({"type": "hello", "protocol": 1, "server": "fake", "system": "fakesys", "login": "none"})";
}

void FakePeer::act(int client)
{
    nlohmann::json hello = nlohmann::json::parse(hello_body());
    switch (behaviour_) {
    case Behaviour::Silent:
        break;
    case Behaviour::Greet:
        send_text(client, qv::proto::encode_frame(hello));
        break;
    case Behaviour::GreetRequiringLogin:
        hello["login"] = "required";
        send_text(client, qv::proto::encode_frame(hello));
        break;
    case Behaviour::GreetThenHangUp:
        send_text(client, qv::proto::encode_frame(hello));
        return;
    case Behaviour::SpeakHttp:
        send_text(client, "HTTP/1.1 400 Bad Request\r\n\r\n");
        break;
    case Behaviour::Script:
        for (const std::string& body : script_)
            send_text(client, qv::proto::encode_frame(std::string_view(body)));
        break;
    }
    qv::proto::FrameDecoder decoder;
    while (!stop_ && collect(client, decoder)) {
    }
}

bool FakePeer::collect(int client, qv::proto::FrameDecoder& decoder)
{
    pollfd p{client, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0)
        return true;
    char buffer[4096];
    const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0)
        return false;
    decoder.feed(buffer, static_cast<std::size_t>(n));
    while (auto body = decoder.next())
        if (auto j = qv::proto::parse_body(*body)) {
            std::lock_guard<std::mutex> lock(mutex_);
            received_.push_back(*j);
        }
    return true;
}
