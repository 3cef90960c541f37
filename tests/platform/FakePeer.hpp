// A stand-in for a misbehaving server on a loopback port: it accepts one
// client, sends it raw bytes and then scripted frames (none: it stays
// silent), and reads whatever the client sends until it hangs up. For the
// client's failure paths only; everything a real server does is tested
// against qv_server.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class FakePeer {
public:
    explicit FakePeer(std::vector<std::string> frames = {}, std::string raw = {});
    // The hello a well-behaved server sends, as a frame body.
    static std::string hello_body();
    ~FakePeer();
    FakePeer(const FakePeer&) = delete;
    FakePeer& operator=(const FakePeer&) = delete;

    int port() const { return port_; }

private:
    void serve();
    void act(int client);

    std::vector<std::string> frames_;
    std::string raw_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
