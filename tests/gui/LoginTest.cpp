// Connecting with the login dialog and the retry dialog, against a real
// qv_server that wants a login.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <Xm/MessageB.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/Keyboard.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"

namespace qv::gui {
namespace {

// Escape typed into the focused dialog, through the X server.
void press_escape(Widget box)
{
    give_focus(XtParent(box));
    xdotool({"key", "Escape"});
}

using LoginDialog = ToolTest;

// The password field has the focus and shows asterisks while it is edited;
// the right password connects and opens the main window.
TEST_F(LoginDialog, EditedPasswordShowsAsterisksAndTheRightOneConnects)
{
    auto server = start_server(true);
    std::vector<std::string> seen;  // the title, the focus, the field after each edit, the position after Home
    on_widget("template", [&](Widget box) {
        Widget passwd = find_widget_in(box, "passwd_text");
        set_text(find_widget_in(box, "login_text"), "admin");
        give_focus(XtParent(box));
        pump_until([&] { return XmGetFocusWidget(box) != nullptr; }, 5);
        seen = {shell_title(box), XmGetFocusWidget(box) == passwd ? "in the password" : "elsewhere"};
        type_text(passwd, "admiNx");
        seen.push_back(text_of(passwd));
        press_backspace(passwd);
        press_backspace(passwd);
        seen.push_back(text_of(passwd));
        paste_text(passwd, "zz");
        seen.push_back(text_of(passwd));
        move_to_start(passwd);
        seen.push_back(std::to_string(insertion_position(passwd)));
        type_text(passwd, "n");
        activate(find_widget_in(box, "okay_button"));
    });
    // The password typed is "admiNx" less two characters plus "n": "admin".
    start_tool({}, server.get());
    EXPECT_EQ(seen, (std::vector<std::string>{"Corvane QV 4.0: Login Window", "in the password", "******", "****",
                                              "****", "4"}));
    EXPECT_EQ(find_widget("template"), nullptr);
    EXPECT_TRUE(XtIsRealized(root_widget));
    EXPECT_EQ(shell_title(root_widget), "Zentra - Object Properties");
}

TEST_F(LoginDialog, WrongPasswordOffersRetryWhichAsksAgain)
{
    auto server = start_server(true);
    int logins = 0;
    on_widget(
        "template",
        [&](Widget box) {
            ++logins;
            set_text(find_widget_in(box, "login_text"), "admin");
            type_text(find_widget_in(box, "passwd_text"), logins == 1 ? "wrong" : "admin");
            activate(find_widget_in(box, "okay_button"));
        },
        true);
    std::string message;
    std::vector<std::string> box_shown;  // title, buttons
    on_widget("ErrorDialog", [&](Widget box) {
        message = message_of(box);
        box_shown = {shell_title(box), label_of(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON)),
                     label_of(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON)),
                     XtIsManaged(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON)) ? "Help" : "no help"};
        press_box_button(box, XmDIALOG_OK_BUTTON);
    });
    start_tool({}, server.get());
    EXPECT_EQ(logins, 2);
    EXPECT_NE(message.find("Login incorrect"), std::string::npos) << message;
    EXPECT_EQ(box_shown, (std::vector<std::string>{"Error: Connection failed", "Retry", "Cancel", "no help"}));
    EXPECT_TRUE(XtIsRealized(root_widget));
}

TEST_F(LoginDialog, CancelOrEscapeEndsWithStatusZeroAndNoRetryDialog)
{
    auto server = start_server(true);
    for (void (*answer)(Widget) : {+[](Widget box) { activate(find_widget_in(box, "cancel_button")); }, press_escape})
        EXPECT_EXIT(
            {
                report_exit_status();
                on_widget("template", answer);
                on_widget("ErrorDialog", [](Widget box) {
                    ++dialogs_seen;
                    press_box_button(box, XmDIALOG_CANCEL_BUTTON);
                });
                start_tool({}, server.get());
            },
            testing::ExitedWithCode(0), "exit status 0, dialogs seen 0");
}

using RetryDialog = ToolTest;

TEST_F(RetryDialog, CancelOrEscapeAfterARefusedConnectionEndsWithStatusZero)
{
    const std::string port = std::to_string(unused_port());
    for (void (*answer)(Widget) : {+[](Widget box) { press_box_button(box, XmDIALOG_CANCEL_BUTTON); }, press_escape})
        EXPECT_EXIT(
            {
                report_exit_status();
                on_widget("ErrorDialog", [answer](Widget box) {
                    ++dialogs_seen;
                    if (shell_title(box) == "Error: Connection failed" && !message_of(box).empty())
                        answer(box);
                });
                start_tool({}, nullptr, {{"QV_PORT", port}, {"QV_SERVER", "localhost"}});
            },
            testing::ExitedWithCode(0), "exit status 0, dialogs seen 1");
}

TEST_F(RetryDialog, RetryAfterTheFifthFailureGivesUp)
{
    const std::string port = std::to_string(unused_port());
    EXPECT_EXIT(
        {
            report_exit_status();
            on_widget(
                "ErrorDialog",
                [](Widget box) {
                    ++dialogs_seen;
                    press_box_button(box, XmDIALOG_OK_BUTTON);
                },
                true);
            start_tool({}, nullptr, {{"QV_PORT", port}, {"QV_SERVER", "localhost"}});
        },
        testing::ExitedWithCode(0), "exit status 0, dialogs seen 5");
}

}  // namespace
}  // namespace qv::gui
