// A stand-in for a misbehaving server on a loopback port: it accepts one
// client and then stays silent, or greets and goes silent, or greets and
// hangs up, or speaks something else entirely, or sends scripted frames (the
// hello among them) and listens. For the client's failure paths only;
// everything a real server does is tested against qv_server.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"

class FakePeer {
public:
    enum class Behaviour { Silent, Greet, GreetRequiringLogin, GreetThenHangUp, SpeakHttp, Script };

    // With Script, each body of script is sent as one frame once a client connects.
    explicit FakePeer(Behaviour behaviour, std::vector<std::string> script = {});
    // The hello a well-behaved server sends, as a frame body.
    static std::string hello_body();
    ~FakePeer();
    FakePeer(const FakePeer&) = delete;
    FakePeer& operator=(const FakePeer&) = delete;

    int port() const { return port_; }
    // The frames the client sent so far.
    std::vector<nlohmann::json> received();

private:
    void serve();
    void act(int client);
    // Reads what the client sent; false once it hung up.
    bool collect(int client, qv::proto::FrameDecoder& decoder);

    Behaviour behaviour_;
    std::vector<std::string> script_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<nlohmann::json> received_;
    std::thread thread_;
};
