#include "FakePeer.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include "protocol/Frame.hpp"

FakePeer::FakePeer(std::vector<std::string> frames, std::string raw) : frames_(std::move(frames)), raw_(std::move(raw))
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
    std::string bytes = raw_;
    for (const std::string& body : frames_)
        bytes += qv::proto::encode_frame(std::string_view(body));
    ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    char buffer[4096];
    while (!stop_) {
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0 && ::recv(client, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}
