#include "driver/ToolSession.hpp"

#include <cstdlib>

#include "main/Startup.hpp"
#include "support/TestServer.hpp"

namespace qv::gui {

std::string tool_home() { return QV_HOME_BUILD_DIR; }

std::map<std::string, std::string> tool_environment(const qv::test::TestServer* server)
{
    const std::string home = tool_home();
    std::map<std::string, std::string> env = {
        {"QV_HOME", home},
        // %l: the language of LANG ("de" of de_DE.UTF-8), as the package lays out.
        {"NLSPATH", home + "/nls/%L/%N:" + home + "/nls/%l/%N:" + home + "/nls/C/%N"},
        {"XFILESEARCHPATH", home + "/app-defaults/%N"},
    };
    if (server)
        for (const auto& [name, value] : server->client_env())
            env[name] = value;
    return env;
}

void start_tool(const std::vector<std::string>& args, const qv::test::TestServer* server,
                const std::map<std::string, std::string>& extra_env)
{
    for (const auto& [name, value] : tool_environment(server))
        setenv(name.c_str(), value.c_str(), 1);
    for (const auto& [name, value] : extra_env)
        setenv(name.c_str(), value.c_str(), 1);
    // The toolkit keeps pointers into argv for the life of the process.
    static std::vector<std::string> words;
    static std::vector<char*> argv;
    words = {"qv_tolvar"};
    words.insert(words.end(), args.begin(), args.end());
    argv.clear();
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(words.size());
    run_startup(argc, argv.data());
}

}  // namespace qv::gui
