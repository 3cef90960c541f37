// A test suite whose tests share one server, started once for the suite with
// the options Derived::options() gives, and stopped after its last test.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "support/TestServer.hpp"

namespace qv::test {

template <typename Derived>
class SharedServerSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<TestServer>(Derived::options()); }
    static void TearDownTestSuite() { server_.reset(); }

    // A new connection to the server that has said hello.
    static std::unique_ptr<RawClient> greeted(const std::string& application = "qv_test",
                                              const std::string& user = "tester")
    {
        auto c = std::make_unique<RawClient>(server_->port());
        EXPECT_EQ(c->hello(application, user)["type"], "hello");
        return c;
    }
    // The same, logged in as user (password = name).
    static std::unique_ptr<RawClient> logged_in(const std::string& user, const std::string& application = "qv_test")
    {
        auto c = greeted(application, user);
        const auto reply = c->login(user, user);
        EXPECT_EQ(reply["ok"], true) << user << ": " << reply.dump();
        return c;
    }

    static inline std::unique_ptr<TestServer> server_;
};

}  // namespace qv::test
