// The real qv_tolvar binary driven from outside: typing the login with the
// keyboard through the X server, a screenshot of the login dialog, and the
// -fd handshake.
#include <gtest/gtest.h>

#include <pwd.h>
#include <string>
#include <unistd.h>

#include "driver/ChildProcess.hpp"
#include "driver/Fixture.hpp"
#include "driver/ToolSession.hpp"
#include "support/RunBinary.hpp"
#include "support/TempDir.hpp"

namespace qv::gui {
namespace {

std::string login_name()
{
    const passwd* pw = getpwuid(getuid());
    return pw ? pw->pw_name : "";
}

// The id of the first window with that title, waiting for it to appear.
std::string wait_for_window(const std::string& title)
{
    std::string id = run_command({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + title + "$"}, 60);
    return id.substr(0, id.find('\n'));
}

void add_user(const qv::test::TestServer& server, const std::string& name, const std::string& password)
{
    qv::test::RunOptions options;
    options.env = server.client_env();
    options.env["QV_PASSWORD"] = "admin";
    options.env["QV_NEW_PASSWORD"] = password;
    const auto result = qv::test::run_binary(
        "qv_admin", {"--user", "admin", "user", "add", name, "RunObjectProperties", "CreateObjects"}, options);
    ASSERT_EQ(result.exit_status, 0) << result.err;
}

TEST(ToolByKeyboard, LoginTypedWithBackspaceConnectsAndAnswersTheHandshake)
{
    auto server = start_server(true);
    add_user(*server, login_name(), "secret");
    qv::test::TempDir dir;
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);

    ChildProcess tool(qv::test::bin_dir() + "/qv_tolvar", {"-fd", std::to_string(fds[1]), "-id", "10"},
                      tool_environment(server.get()), dir.path(), {fds[1]});
    close(fds[1]);

    const std::string login = wait_for_window("Corvane QV 4.0: Login Window");
    ASSERT_FALSE(login.empty());
    const std::string shot = std::string(QV_GUI_TEST_OUTPUT_DIR) + "/login-dialog.png";
    run_command({"import", "-window", login, shot});

    // The proposed login is the user's own; the focus is in the password.
    run_command({"xdotool", "windowfocus", "--sync", login});
    run_command({"xdotool", "type", "--delay", "30", "secrex"});
    run_command({"xdotool", "key", "BackSpace"});
    run_command({"xdotool", "type", "--delay", "30", "t"});
    run_command({"xdotool", "key", "Return"});

    EXPECT_FALSE(wait_for_window("Zentra - Object Properties").empty()) << tool.err();
    char buffer[256] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    close(fds[0]);
    ASSERT_GT(n, 0);
    const std::string handshake(buffer, static_cast<std::size_t>(n));
    EXPECT_EQ(handshake.back(), '\0');
    EXPECT_NE(handshake.find("qv_tolvar"), std::string::npos);
    EXPECT_TRUE(tool.running());
}

}  // namespace
}  // namespace qv::gui
