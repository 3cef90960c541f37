#include "support/CountingProxy.hpp"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"

namespace qv::test {

// One client connection and its own connection to the server.
struct CountingProxy::Link {
    int client = -1;
    int server = -1;
    proto::FrameDecoder requests;
    ~Link()
    {
        if (client >= 0)
            ::close(client);
        if (server >= 0)
            ::close(server);
    }
};

namespace {

int loopback_socket(int port, bool listen_on_it)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const auto* generic = reinterpret_cast<const sockaddr*>(&address);
    const bool ok = listen_on_it ? ::bind(fd, generic, sizeof address) == 0 && ::listen(fd, 16) == 0
                                 : ::connect(fd, generic, sizeof address) == 0;
    if (!ok) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads what is readable on from; false when from is closed or broken.
bool receive(int from, std::string& bytes)
{
    bytes.clear();
    char buffer[65536];
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n <= 0)
        return n < 0 && (errno == EINTR || errno == EAGAIN);
    bytes.assign(buffer, static_cast<std::size_t>(n));
    return true;
}

// Writes bytes to to; false when to is closed (no SIGPIPE: a peer that died
// is an outcome the tests look at).
bool pass_on(int to, const std::string& bytes)
{
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t w = ::send(to, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        sent += static_cast<std::size_t>(w);
    }
    return true;
}

}  // namespace

CountingProxy::CountingProxy(int server_port) : server_port_(server_port)
{
    listen_fd_ = loopback_socket(0, true);
    if (listen_fd_ < 0 || ::pipe2(wake_, O_CLOEXEC) != 0)
        throw std::runtime_error("CountingProxy: cannot listen on loopback");
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

CountingProxy::~CountingProxy()
{
    const char stop = 0;
    (void)!::write(wake_[1], &stop, 1);
    thread_.join();
    ::close(listen_fd_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

std::vector<std::string> CountingProxy::requests() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ops_;
}

std::map<std::string, int> CountingProxy::requests_by_op() const
{
    std::map<std::string, int> counts;
    for (const std::string& op : requests())
        ++counts[op];
    return counts;
}

void CountingProxy::reset()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ops_.clear();
}

void CountingProxy::on_request(std::function<void(const std::string& op)> hook)
{
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

void CountingProxy::record(const std::string& body)
{
    const auto parsed = proto::parse_body(body);
    if (!parsed || !parsed->contains("op") || !(*parsed)["op"].is_string())
        return;
    const std::string op = (*parsed)["op"].get<std::string>();
    std::function<void(const std::string&)> hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ops_.push_back(op);
        hook = hook_;
    }
    if (hook)
        hook(op);
}

void CountingProxy::run()
{
    std::vector<std::unique_ptr<Link>> links;
    for (;;) {
        std::vector<pollfd> fds = {{wake_[0], POLLIN, 0}, {listen_fd_, POLLIN, 0}};
        for (const auto& link : links) {
            fds.push_back({link->client, POLLIN, 0});
            fds.push_back({link->server, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        // A link accepted now joins after the polled ones: it has no entry in fds.
        std::unique_ptr<Link> accepted;
        if (fds[1].revents & POLLIN) {
            auto link = std::make_unique<Link>();
            link->client = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
            link->server = loopback_socket(server_port_, false);
            if (link->client >= 0 && link->server >= 0)
                accepted = std::move(link);
        }
        // Requests are recorded before they are passed on: a client that has
        // its reply has been counted, and a hook acts before the server sees
        // the request.
        std::vector<std::unique_ptr<Link>> open;
        for (std::size_t i = 0; i < links.size(); ++i) {
            Link& link = *links[i];
            const short from_client = fds[2 + 2 * i].revents;
            const short from_server = fds[3 + 2 * i].revents;
            bool alive = true;
            std::string bytes;
            if (from_client) {
                alive = receive(link.client, bytes);
                link.requests.feed(bytes);
                while (auto body = link.requests.next())
                    record(*body);
                alive = alive && pass_on(link.server, bytes);
            }
            if (alive && from_server)
                alive = receive(link.server, bytes) && pass_on(link.client, bytes);
            if (alive)
                open.push_back(std::move(links[i]));
        }
        if (accepted)
            open.push_back(std::move(accepted));
        links = std::move(open);
    }
}

}  // namespace qv::test
