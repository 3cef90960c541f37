#include "ServerClient.hpp"

#include <gtest/gtest.h>

#include "platform/QvTopoNodeDn.hpp"

std::unique_ptr<Platform> ServerClient::connect(const qv::test::TestServer& server, const std::string& application)
{
    auto platform = std::make_unique<Platform>();
    platform->set_port(server.port());
    EXPECT_EQ(platform->connect("localhost", application, 30.0), 1) << platform->get_error_string().str();
    return platform;
}

std::string ServerClient::node(const qv::test::TestServer& server, long id)
{
    return QvTopoNodeDn(server.system_name(), id).to_string();
}
