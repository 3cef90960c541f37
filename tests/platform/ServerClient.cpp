#include "ServerClient.hpp"

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "platform/QvTopoNodeDn.hpp"

qv::test::ServerOptions ServerClient::fixture(bool require_login)
{
    qv::test::ServerOptions options;
    options.require_login = require_login;
    options.load_file = qv::test::source_dir() + "/data/fixture/topology.json";
    return options;
}

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

int ServerClient::server_pid(const qv::test::TestServer& server)
{
    DIR* proc = opendir("/proc");
    if (!proc)
        return -1;
    int found = -1;
    while (dirent* e = readdir(proc)) {
        const int pid = std::atoi(e->d_name);
        if (pid <= 0)
            continue;
        std::ifstream in("/proc/" + std::string(e->d_name) + "/cmdline", std::ios::binary);
        std::ostringstream cmdline;
        cmdline << in.rdbuf();
        const std::string text = cmdline.str();
        if (text.find("qv_server") != std::string::npos && text.find(server.db_path()) != std::string::npos) {
            found = pid;
            break;
        }
    }
    closedir(proc);
    return found;
}
