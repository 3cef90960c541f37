// A qv_server of the test fixture and clients of it made with the library:
// what the integration tests of the library have in common.
#pragma once

#include <memory>
#include <string>

#include "platform/Platform.hpp"
#include "support/TestServer.hpp"

// Answers the library's login question with fixed credentials.
class FixedLogin : public PasswordTty {
public:
    FixedLogin(std::string user, std::string password) : user_(std::move(user)), password_(std::move(password)) {}
    int password_function(RWCString& user, RWCString& password) override
    {
        proposed = user;
        user = user_;
        password = password_;
        return 1;
    }
    std::string proposed;

private:
    std::string user_;
    std::string password_;
};

class ServerClient {
public:
    // A Platform connected to server; fails the test (and returns one not
    // connected) when the connection cannot be made.
    static std::unique_ptr<Platform> connect(const qv::test::TestServer& server,
                                             const std::string& application = "qv_platform_tests");

    // The node name of an id on the server.
    static std::string node(const qv::test::TestServer& server, long id);
};
