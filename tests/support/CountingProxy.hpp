// Test support: a loopback relay in front of a server that records the op of
// every request a client sends through it. Counting frames on the wire tells
// how much work a client asks of the server without touching either side.
//
//   qv::test::CountingProxy proxy(server.port());
//   ... the client connects to proxy.port() ...
//   EXPECT_EQ(proxy.requests().size(), 8u);
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qv::test {

class CountingProxy {
public:
    // Listens on a free loopback port and relays every connection to
    // server_port; throws std::runtime_error when it cannot listen.
    explicit CountingProxy(int server_port);
    ~CountingProxy();
    CountingProxy(const CountingProxy&) = delete;
    CountingProxy& operator=(const CountingProxy&) = delete;

    int port() const { return port_; }
    // The ops of the requests relayed since the start or the last reset, in
    // the order they were sent (hellos have no op and are left out).
    std::vector<std::string> requests() const;
    // The same, counted by op.
    std::map<std::string, int> requests_by_op() const;
    void reset();
    // Calls hook with the op of every request from now on, on the proxy's
    // thread, before the request is passed on to the server (a hook that
    // stops the server fails the request as a server dying under it does).
    void on_request(std::function<void(const std::string& op)> hook);

private:
    struct Link;
    void run();
    void record(const std::string& body);

    int server_port_;
    int listen_fd_ = -1;
    int port_ = 0;
    int wake_[2] = {-1, -1};
    mutable std::mutex mutex_;
    std::vector<std::string> ops_;
    std::function<void(const std::string&)> hook_;
    std::thread thread_;
};

}  // namespace qv::test
