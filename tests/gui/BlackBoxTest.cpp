// The real qv_tolvar binary driven from outside, as a user with a keyboard
// and a window manager drives it: the login typed through the X server, the
// start-up cursor, and every modal dialog closed from the window manager,
// after which the tool goes on or ends as the dialog's Cancel would.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "support/ChildProcess.hpp"
#include "support/TempDir.hpp"

namespace qv::gui {
namespace {

using qv::test::ChildProcess;
using qv::test::run_command;

const char* const kMainTitle = "Zentra - Object Properties";
const char* const kLoginTitle = "Corvane QV 4.0: Login Window";
const char* const kErrorTitle = "Object Properties: Error";

std::string login_name()
{
    const passwd* pw = getpwuid(getuid());
    return pw ? pw->pw_name : "";
}

// The id of the first window with that title, polling until it appears
// ("" after a minute). A search fails now and then while other windows come
// and go: it is simply made again.
std::string wait_for_window(const std::string& title)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        ChildProcess search("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"}, {}, "/tmp");
        if (search.wait(10) && search.exit_status() == 0) {
            const std::string ids = search.out();
            if (!ids.empty())
                return ids.substr(0, ids.find('\n'));
        }
    }
    return "";
}

void add_user(const qv::test::TestServer& server, const std::string& name, const std::string& password,
              const std::vector<std::string>& rights)
{
    std::vector<std::string> args = {"--user", "admin", "user", "add", name};
    args.insert(args.end(), rights.begin(), rights.end());
    admin(server, args, {{"QV_PASSWORD", "admin"}, {"QV_NEW_PASSWORD", password}});
}

// A connection of the test's own to the X server, as a window manager has.
class XClient {
public:
    XClient() : dpy_(XOpenDisplay(nullptr)) {}
    ~XClient()
    {
        if (dpy_)
            XCloseDisplay(dpy_);
    }
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // What a window manager sends when the user closes the window.
    void close_window(const std::string& id) { send_wm_delete(dpy_, std::stoul(id)); }

    // The pixels of the pointer's cursor where it is now.
    std::vector<unsigned long> cursor_image()
    {
        XSync(dpy_, False);
        XFixesCursorImage* image = XFixesGetCursorImage(dpy_);
        std::vector<unsigned long> pixels;
        if (image) {
            pixels.assign(image->pixels, image->pixels + image->width * image->height);
            XFree(image);
        }
        return pixels;
    }

    // Puts keysyms on unused keycodes for good. xdotool would put each on a
    // spare keycode for one key press only, and a client that reads the
    // keyboard map after the change back would see nothing typed.
    void bind_keys(const std::vector<const char*>& names)
    {
        int first = 0, last = 0, per_code = 0;
        XDisplayKeycodes(dpy_, &first, &last);
        KeySym* map = XGetKeyboardMapping(dpy_, static_cast<KeyCode>(first), last - first + 1, &per_code);
        std::size_t next = 0;
        for (int code = last; code >= first && next < names.size(); --code) {
            const KeySym* syms = map + (code - first) * per_code;
            if (std::all_of(syms, syms + per_code, [](KeySym sym) { return sym == NoSymbol; })) {
                KeySym sym = XStringToKeysym(names[next++]);
                XChangeKeyboardMapping(dpy_, code, 1, &sym, 1);
            }
        }
        XFree(map);
        XSync(dpy_, False);
    }

    // A text property of a window ("" when it has none).
    std::string text_property(const std::string& id, const char* name)
    {
        XTextProperty text{};
        if (!XGetTextProperty(dpy_, std::stoul(id), &text, XInternAtom(dpy_, name, False)) || !text.value)
            return "";
        const std::string value(reinterpret_cast<char*>(text.value), text.nitems);
        XFree(text.value);
        return value;
    }

private:
    ::Display* dpy_;
};

// The tool started as a user starts it, against server (none: nothing listens).
std::unique_ptr<ChildProcess> run_tool(const std::vector<std::string>& args, const qv::test::TestServer* server,
                                       std::map<std::string, std::string> env = {})
{
    static qv::test::TempDir output;
    qv::test::RunOptions options;
    options.env = std::move(env);
    const auto tool_env = tool_environment(server);
    options.env.insert(tool_env.begin(), tool_env.end());  // what the test set wins
    return std::make_unique<ChildProcess>("qv_tolvar", args, options, output.path());
}

// Whether the pointer over the window comes to show the screen's own cursor
// (start-up has ended and taken its hourglass away), polling for a while.
bool shows_the_screen_cursor(XClient& x, const std::string& window)
{
    run_command({"xdotool", "mousemove", "1270", "1010"});
    const std::vector<unsigned long> screen_cursor = x.cursor_image();
    run_command({"xdotool", "mousemove", "--window", window, "3", "3"});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (x.cursor_image() != screen_cursor)
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    return true;
}

// Whether it ended with status 0 within the time a user would wait.
bool ends_with_status_zero(ChildProcess& tool) { return tool.wait(30) && tool.exited() && tool.exit_status() == 0; }

TEST(ToolByKeyboard, NonAsciiPasswordTypedWithBackspaceLogsIn)
{
    auto server = start_server(true);
    add_user(*server, login_name(), "pässwörd", {"RunObjectProperties", "CreateObjects"});
    auto tool = run_tool({"-id", "10"}, server.get(), {{"LC_ALL", "C.UTF-8"}});

    const std::string login = wait_for_window(kLoginTitle);
    ASSERT_FALSE(login.empty()) << (tool->running() ? "running\n" : "ended\n") << tool->out() << tool->err();
    XClient x;
    EXPECT_EQ(x.text_property(login, "WM_ICON_NAME"), kLoginTitle);
    EXPECT_EQ(x.text_property(login, "_NET_WM_ICON_NAME"), kLoginTitle);

    // The proposed login is the user's own; the focus is in the password.
    x.bind_keys({"adiaeresis", "odiaeresis"});
    run_command({"xdotool", "windowfocus", "--sync", login});
    run_command({"xdotool", "type", "--delay", "30", "pässwöx"});
    run_command({"xdotool", "key", "BackSpace", "BackSpace"});
    run_command({"xdotool", "type", "--delay", "30", "örd"});
    run_command({"xdotool", "key", "Return"});

    EXPECT_FALSE(wait_for_window(kMainTitle).empty()) << tool->err();
    EXPECT_TRUE(tool->running());
}

using ClosedByTheWindowManager = ToolTest;

TEST_F(ClosedByTheWindowManager, LoginGivesUpWithoutARetryDialog)
{
    auto server = start_server(true);
    auto tool = run_tool({"-id", "10"}, server.get());
    XClient x;
    x.close_window(wait_for_window(kLoginTitle));
    EXPECT_TRUE(ends_with_status_zero(*tool)) << tool->err();
}

TEST_F(ClosedByTheWindowManager, RetryDialogGivesUp)
{
    auto tool =
        run_tool({"-id", "10"}, nullptr, {{"QV_PORT", std::to_string(unused_port())}, {"QV_SERVER", "localhost"}});
    XClient x;
    x.close_window(wait_for_window("Error: Connection failed"));
    EXPECT_TRUE(ends_with_status_zero(*tool)) << tool->err();
}

TEST_F(ClosedByTheWindowManager, RefusalToRunEndsTheProgram)
{
    auto server = start_server(true);
    add_user(*server, login_name(), "secret", {"CreateObjects"});
    auto tool = run_tool({"-id", "10"}, server.get());
    const std::string login = wait_for_window(kLoginTitle);
    run_command({"xdotool", "windowfocus", "--sync", login});
    run_command({"xdotool", "type", "--delay", "30", "secret"});
    run_command({"xdotool", "key", "Return"});
    XClient x;
    x.close_window(wait_for_window(kErrorTitle));
    EXPECT_TRUE(ends_with_status_zero(*tool)) << tool->err();
}

TEST_F(ClosedByTheWindowManager, DisconnectionEndsTheProgram)
{
    auto server = start_server(false);
    auto tool = run_tool({"-id", "10"}, server.get());
    XClient x;
    ASSERT_TRUE(shows_the_screen_cursor(x, wait_for_window(kMainTitle))) << "start-up did not end";
    server->kill9();
    x.close_window(wait_for_window(kErrorTitle));
    EXPECT_TRUE(ends_with_status_zero(*tool)) << tool->err();
}

TEST_F(ClosedByTheWindowManager, InvalidIdLeavesTheWindowUsableWithoutTheBusyCursor)
{
    auto server = start_server(false);
    auto tool = run_tool({"-id", "10 999999"}, server.get());
    XClient x;
    x.close_window(wait_for_window(kErrorTitle));
    const std::string main = wait_for_window(kMainTitle);
    // Start-up went on past the dialog and took the hourglass away; closing
    // the window is its Cancel.
    EXPECT_TRUE(shows_the_screen_cursor(x, main));
    EXPECT_TRUE(tool->running());
    x.close_window(main);
    EXPECT_TRUE(ends_with_status_zero(*tool)) << tool->err();
}

}  // namespace
}  // namespace qv::gui
