// A test suite whose tests share one server, started once for the suite with
// the options Derived::options() gives, and stopped after its last test.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "support/TestServer.hpp"

namespace qv::test {

template <typename Derived>
class SharedServerSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<TestServer>(Derived::options()); }
    static void TearDownTestSuite() { server_.reset(); }

    static inline std::unique_ptr<TestServer> server_;
};

}  // namespace qv::test
