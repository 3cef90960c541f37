// The message boxes, the error dialog, the delete-description and name
// selection dialogs and the file chooser, on a display of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <Xm/FileSB.h>
#include <Xm/Text.h>
#include <Xm/List.h>
#include <Xm/MessageB.h>
#include <Xm/Xm.h>

#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/ErrDialogBox.hpp"
#include "gui/FileChooser.hpp"
#include "gui/QuestionDialogBox.hpp"
#include "gui/XtGlobals.hpp"
#include "support/TempDir.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/DialogTexts.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/NamesSelection.hpp"
#include "ui/NumberedGroup.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

int* answered_count = nullptr;

class Dialogs : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        XtToolkitInitialize();
        if (!app_context)
            app_context = XtCreateApplicationContext();
        int argc = 1;
        static char name[] = "qv_tolvar";
        static char* argv[] = {name, nullptr};
        display = XtOpenDisplay(app_context, nullptr, "qv_tolvar", kAppClass, nullptr, 0, &argc, argv);
        ASSERT_NE(display, nullptr);
        shell_ = XtVaAppCreateShell("test_shell", kAppClass, applicationShellWidgetClass, display, XmNwidth, 200,
                                    XmNheight, 100, nullptr);
        XtRealizeWidget(shell_);
        root_widget = shell_;
    }

    Widget shell_ = nullptr;
};

TEST_F(Dialogs, MessageBoxesShowTheirButtonsTitleAndLines)
{
    ErrDialogBox box(shell_, "first line\nsecond line", error_box_texts());
    box.manage();
    Widget w = box.getwidget();
    EXPECT_EQ(XtName(w), std::string("ErrorDialog"));
    EXPECT_TRUE(XtIsManaged(XmMessageBoxGetChild(w, XmDIALOG_OK_BUTTON)));
    EXPECT_FALSE(XtIsManaged(XmMessageBoxGetChild(w, XmDIALOG_CANCEL_BUTTON)));
    EXPECT_FALSE(XtIsManaged(XmMessageBoxGetChild(w, XmDIALOG_HELP_BUTTON)));
    EXPECT_EQ(shell_title(w), "Error");
    unsigned char style = 0;
    XtVaGetValues(w, XmNdialogStyle, &style, nullptr);
    EXPECT_EQ(style, XmDIALOG_FULL_APPLICATION_MODAL);
    EXPECT_EQ(message_lines(w), "first line\nsecond line");

    // Buttons are addressed by number; an unknown number does nothing.
    box.manage_button(HELP_BUTTON);
    box.label_button(HELP_BUTTON, "More");
    box.manage_button(7);
    Widget help_button = XmMessageBoxGetChild(w, XmDIALOG_HELP_BUTTON);
    EXPECT_EQ(label_of(help_button), "More");
    int pressed = 0;
    box.add_callback(
        HELP_BUTTON, [](Widget, void* data, void*) { ++*static_cast<int*>(data); }, &pressed);
    press_box_button(w, XmDIALOG_HELP_BUTTON);
    EXPECT_EQ(pressed, 1);

    QuestionDialogBox question(shell_, "Go on?", question_box_texts());
    question.change_title("Delete object");
    question.manage();
    w = question.getwidget();
    EXPECT_EQ(XtName(w), std::string("QuestionDialog"));
    EXPECT_EQ(label_of(XmMessageBoxGetChild(w, XmDIALOG_OK_BUTTON)), "OK");
    EXPECT_EQ(label_of(XmMessageBoxGetChild(w, XmDIALOG_CANCEL_BUTTON)), "CANCEL");
    EXPECT_TRUE(XtIsManaged(XmMessageBoxGetChild(w, XmDIALOG_CANCEL_BUTTON)));
    EXPECT_FALSE(XtIsManaged(XmMessageBoxGetChild(w, XmDIALOG_HELP_BUTTON)));
    EXPECT_EQ(shell_title(w), "Delete object");
}

// error_dialog() waits for its own box: one opened from the answer of
// another must be answered first, and the first still waits for its OK.
TEST_F(Dialogs, ErrorDialogsOpenedOverEachOtherCloseInTurn)
{
    std::vector<std::string> order;
    on_widget(
        "ErrorDialog",
        [&](Widget box) {
            const std::string message = message_of(box);
            order.push_back(message);
            EXPECT_EQ(shell_title(box), "Object Properties: Error");
            if (message == "outer" && order.size() == 1) {
                error_dialog(shell_, "inner", cancel_error, cancel_error);
                order.push_back("inner returned");
            }
            press_box_button(box, XmDIALOG_OK_BUTTON);
        },
        true);
    error_dialog(shell_, "outer", cancel_error, cancel_error);
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "inner", "inner returned"}));
    EXPECT_EQ(error_box, nullptr);
}

// Its only button answers it, whichever way it goes: the window manager's
// close, Escape, Return.
TEST_F(Dialogs, ErrorDialogEndsItsWaitAsItsOkWhicheverWayItGoes)
{
    int answers = 0;
    const auto count_ok = [](Widget widget, XtPointer client_data, XtPointer call_data) {
        ++*static_cast<int*>(answered_count);
        cancel_error(widget, client_data, call_data);
    };
    answered_count = &answers;
    on_widget("ErrorDialog", [](Widget box) { send_wm_delete(XtParent(box)); });
    error_dialog(shell_, "Invalid Id", count_ok, cancel_error);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(error_box, nullptr);
    for (const char* key : {"Escape", "Return"}) {
        on_widget("ErrorDialog", [key](Widget box) {
            give_focus(XtParent(box));
            xdotool({"key", key});
        });
        error_dialog(shell_, "Invalid Id", count_ok, cancel_error);
    }
    EXPECT_EQ(answers, 3);
    EXPECT_EQ(find_widget("ErrorDialog"), nullptr);
}

TEST_F(Dialogs, LongMessageIsWrappedToFitTheScreenWithEveryButton)
{
    ErrDialogBox box(shell_, ("Connection to " + std::string(1000, 'h') + " refused").c_str(), error_box_texts());
    box.manage_button(CANCEL_BUTTON);
    box.manage();
    Widget shell = XtParent(box.getwidget());
    ASSERT_TRUE(pump_until([&] { return is_viewable(shell); }));
    const int screen_width = WidthOfScreen(XtScreen(shell));
    for (unsigned char child : {XmDIALOG_OK_BUTTON, XmDIALOG_CANCEL_BUTTON}) {
        Widget button = XmMessageBoxGetChild(box.getwidget(), child);
        Position x = 0, y = 0;
        Dimension width = 0;
        XtVaGetValues(button, XmNwidth, &width, nullptr);
        XtTranslateCoords(button, 0, 0, &x, &y);
        EXPECT_LE(x + width, screen_width) << XtName(button);
    }
    // All of it, over several lines (the blanks at line ends dropped).
    const auto letters = [](std::string text) {
        text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }),
                   text.end());
        return text;
    };
    EXPECT_EQ(letters(message_lines(box.getwidget())), "Connectionto" + std::string(1000, 'h') + "refused");
    XmString message = nullptr;
    XtVaGetValues(box.getwidget(), XmNmessageString, &message, nullptr);
    EXPECT_GT(XmStringLineCount(message), 2);
    XmStringFree(message);

    // A text taller than the screen is cut with an ellipsis.
    box.setmessage(std::string(200000, 'x').c_str());
    XtVaGetValues(box.getwidget(), XmNmessageString, &message, nullptr);
    EXPECT_LT(XmStringHeight(nullptr, message), 0u + HeightOfScreen(XtScreen(shell)));
    XmStringFree(message);
}

// A stored-data group with numbered entries, recording what it was told.
class FakeGroup : public NumberedGroup {
public:
    explicit FakeGroup(int count) : count_(count) {}
    void remove_data(int count, const int* positions) override
    {
        removed.assign(positions, positions + count);
        count_ -= count;
    }
    int get_num_of_groups() const override { return count_; }
    std::vector<int> removed = {-1};

private:
    int count_;
};

// Apply with nothing selected, Cancel, Escape and the window manager's
// close all delete nothing, and the dialog can be shown again after each.
// (What Apply and OK delete: the stored-data page's test.)
TEST_F(Dialogs, DeleteDescriptionDeletesNothingUnlessAsked)
{
    DelObjectDesc dialog;
    dialog.create(shell_);
    FakeGroup group(3);
    current_user_data = &group;
    dialog.fill_list(3);
    dialog.xd_show();
    activate(find_widget_in(dialog.shell(), "del_apply_button"));
    EXPECT_TRUE(group.removed.empty());
    EXPECT_EQ(list_items(dialog.del_list()), (std::vector<std::string>{"1", "2", "3"}));
    const std::vector<std::function<void()>> cancels = {
        [&] { activate(find_widget_in(dialog.shell(), "del_cancel_button")); },
        [&] {
            give_focus(dialog.shell());
            xdotool({"key", "Escape"});
        },
        [&] { send_wm_delete(dialog.shell()); },
    };
    for (const auto& cancel : cancels) {
        dialog.xd_show();
        ASSERT_TRUE(pump_until([&] { return is_viewable(dialog.del_list()); }));
        XmListSelectPos(dialog.del_list(), 1, False);
        cancel();
        EXPECT_TRUE(pump_until([&] { return !XtIsManaged(dialog.del_template()); }));
    }
    EXPECT_TRUE(group.removed.empty());
}

// Path names listed once each; OK only with a selection; both ways answer.
TEST_F(Dialogs, NameSelectionListsPathsOnceAndBothButtonsAnswer)
{
    NamesSelection dialog;
    dialog.create(shell_);
    dialog.display_pathnames({"World/Lab/twin", "World/Europe/twin"});
    dialog.display_pathnames({"World/Lab/twin"});
    EXPECT_EQ(list_items(dialog.names_list()), (std::vector<std::string>{"World/Lab/twin", "World/Europe/twin"}));
    unsigned char style = 0;
    XtVaGetValues(dialog.xd_dialogwidget(), XmNdialogStyle, &style, nullptr);
    EXPECT_EQ(style, XmDIALOG_FULL_APPLICATION_MODAL);
    EXPECT_FALSE(XtIsSensitive(dialog.name_ok_button()));
    XmListSelectPos(dialog.names_list(), 2, True);
    EXPECT_TRUE(XtIsSensitive(dialog.name_ok_button()));
    EXPECT_EQ(dialog.selected_path(), "World/Europe/twin");
    answer = 0;
    activate(dialog.name_ok_button());
    EXPECT_EQ(answer, 1);
    EXPECT_FALSE(XtIsManaged(dialog.xd_dialogwidget()));

    // Closed from the window manager, it answers as Cancel.
    answer = 0;
    dialog.display_pathnames({"World/Lab/twin"});
    ASSERT_TRUE(pump_until([&] { return is_viewable(dialog.names_list()); }));
    send_wm_delete(dialog.xd_rootwidget());
    EXPECT_TRUE(pump_until([] { return answer == 1; }));
    EXPECT_FALSE(XtIsManaged(dialog.xd_dialogwidget()));
}

int chosen_calls = 0;
std::string chosen_file;

int remember_choice(void* name)
{
    ++chosen_calls;
    chosen_file = static_cast<const char*>(name);
    fchooser_unmanage();
    return 0;
}

// A list's title is shown whole, whatever the directories listed.
bool titles_fit(Widget box)
{
    for (unsigned char child : {XmDIALOG_DIR_LIST_LABEL, XmDIALOG_LIST_LABEL}) {
        Widget title = XmFileSelectionBoxGetChild(box, child);
        XtWidgetGeometry wanted{};
        XtQueryGeometry(title, nullptr, &wanted);
        Dimension shown = 0;
        XtVaGetValues(title, XmNwidth, &shown, nullptr);
        if (shown < wanted.width)
            return false;
    }
    return true;
}

TEST_F(Dialogs, FileChooserHandsTheSelectionToItsCallbackAndClosesAsCancel)
{
    qv::test::TempDir dir;
    dir.write_file("europe.map", "x");
    ASSERT_EQ(first_fchooser, 1);
    first_fchooser = 0;
    FileChooserTexts texts = file_chooser_texts();
    texts.directories = "Directories of the map files";
    create_file_chooser_shell(shell_, texts);
    Widget box = fchooser_getwidget();
    EXPECT_EQ(XtName(box), std::string("file_chooser"));
    EXPECT_EQ(shell_title(box), "Select File");

    fchooser_setup(GET_FILENAME_ONLY, remember_choice);
    EXPECT_TRUE(XtIsManaged(box));
    fchooser_default_file(dir.path().c_str(), "europe.map");
    EXPECT_EQ(text_of(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_TEXT)), dir.path() + "/*");
    EXPECT_EQ(text_of(XmFileSelectionBoxGetChild(box, XmDIALOG_TEXT)), dir.path() + "/europe.map");
    EXPECT_TRUE(pump_until([&] { return titles_fit(box); }));
    // The user filters on the root: short paths, a narrower list.
    XmTextSetString(XmFileSelectionBoxGetChild(box, XmDIALOG_FILTER_TEXT), const_cast<char*>("/*"));
    press_box_button(box, XmDIALOG_APPLY_BUTTON);
    EXPECT_TRUE(pump_until([&] { return titles_fit(box); }));
    fchooser_default_file(dir.path().c_str(), "europe.map");

    press_box_button(box, XmDIALOG_OK_BUTTON);
    EXPECT_EQ(chosen_calls, 1);
    EXPECT_EQ(chosen_file, dir.path() + "/europe.map");
    EXPECT_FALSE(XtIsManaged(box));

    fchooser_setup(GET_FILENAME_ONLY, remember_choice);
    ASSERT_TRUE(pump_until([&] { return is_viewable(box); }));
    press_box_button(box, XmDIALOG_CANCEL_BUTTON);
    EXPECT_EQ(chosen_calls, 1);
    EXPECT_FALSE(XtIsManaged(box));

    // Closed from the window manager it goes as Cancel does, and opens again.
    fchooser_setup(GET_FILENAME_ONLY, remember_choice);
    ASSERT_TRUE(pump_until([&] { return is_viewable(box); }));
    send_wm_delete(XtParent(box));
    EXPECT_TRUE(pump_until([&] { return !XtIsManaged(box); }));
    fchooser_setup(GET_FILENAME_ONLY, remember_choice);
    EXPECT_TRUE(pump_until([&] { return is_viewable(box); }));
    EXPECT_EQ(chosen_calls, 1);
}

}  // namespace
}  // namespace qv::gui
