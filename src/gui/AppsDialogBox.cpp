#include "gui/AppsDialogBox.hpp"

#include <Xm/MessageB.h>
#include <Xm/Xm.h>

#include <langinfo.h>

#include <cstring>
#include <string>

#include "gui/Args.hpp"
#include "gui/CloseHandler.hpp"
#include "gui/TextWrap.hpp"
#include "gui/XmStr.hpp"

namespace {

// No screen shows more of a message than this; the rest is cut before
// wrapping, so that a huge text costs no more than a long one.
constexpr std::size_t kMaxMessageBytes = 4000;

// The message as it fits the screen: wrapped to three fifths of its width,
// and cut with an ellipsis below three fifths of its height, so that the box
// and its buttons stay on the screen.
std::string fit_to_screen(Widget box, const char* message)
{
    std::string text = message ? message : "";
    if (text.size() > kMaxMessageBytes)
        text.resize(kMaxMessageBytes);
    Widget label = XmMessageBoxGetChild(box, XmDIALOG_MESSAGE_LABEL);
    XmRenderTable fonts = nullptr;
    XtVaGetValues(label, XmNrenderTable, &fonts, nullptr);
    if (!fonts)
        return text;
    const auto width_of = [fonts](const std::string& line) {
        XmStr drawn(line);
        return static_cast<int>(XmStringWidth(fonts, drawn.get()));
    };
    XmStr sample("Ag");
    const int line_height = std::max(1, static_cast<int>(XmStringHeight(fonts, sample.get())));
    Screen* screen = XtScreen(box);
    const int max_width = WidthOfScreen(screen) * 3 / 5;
    const std::size_t max_lines = static_cast<std::size_t>(HeightOfScreen(screen) * 3 / 5 / line_height);
    const char* ellipsis = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0 ? "\u2026" : "...";
    return join_lines(elide_lines(wrap_lines(text, max_width, width_of), max_lines, max_width, ellipsis, width_of));
}

}  // namespace

Widget AppsDialogBox::create_modal(CreateFunction create, Widget parent, const char* name)
{
    Args args;
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    Widget box = create(parent, const_cast<char*>(name), args.list(), args.count());
    close_as_cancel(XtParent(box), box);
    return box;
}

AppsDialogBox::~AppsDialogBox()
{
    if (!dialog_)
        return;
    XtUnmanageChild(dialog_);
    Widget shell = XtParent(dialog_);
    XtDestroyWidget(XtIsShell(shell) ? shell : dialog_);
}

Widget AppsDialogBox::button_widget(int button) const
{
    switch (button) {
    case OK_BUTTON:
        return XmMessageBoxGetChild(dialog_, XmDIALOG_OK_BUTTON);
    case CANCEL_BUTTON:
        return XmMessageBoxGetChild(dialog_, XmDIALOG_CANCEL_BUTTON);
    case HELP_BUTTON:
        return XmMessageBoxGetChild(dialog_, XmDIALOG_HELP_BUTTON);
    default:
        return nullptr;
    }
}

void AppsDialogBox::setmessage(const char* message)
{
    const std::string fitted = fit_to_screen(dialog_, message);
    XmString text = XmStringGenerate(const_cast<char*>(fitted.c_str()), nullptr, XmCHARSET_TEXT, nullptr);
    Args().add(XmNmessageString, text).set_on(dialog_);
    XmStringFree(text);
}

void AppsDialogBox::manage() { XtManageChild(dialog_); }

void AppsDialogBox::unmanage() { XtUnmanageChild(dialog_); }

void AppsDialogBox::manage_button(int button)
{
    if (Widget w = button_widget(button))
        XtManageChild(w);
    route_escape();
}

void AppsDialogBox::unmanage_button(int button)
{
    if (Widget w = button_widget(button))
        XtUnmanageChild(w);
    route_escape();
}

// Escape answers as Cancel, or as the default button (OK) in a box that
// shows no Cancel. A message box keeps its own Cancel as its cancel button,
// so the key itself is rebound.
void AppsDialogBox::route_escape()
{
    static XtTranslations cancel_key = XtParseTranslationTable("#override\n:<Key>osfCancel: ManagerParentCancel()");
    static XtTranslations ok_key = XtParseTranslationTable("#override\n:<Key>osfCancel: ManagerParentActivate()");
    XtOverrideTranslations(dialog_, XtIsManaged(button_widget(CANCEL_BUTTON)) ? cancel_key : ok_key);
}

void AppsDialogBox::label_button(int button, const char* label)
{
    const char* resource = button == OK_BUTTON       ? XmNokLabelString
                           : button == CANCEL_BUTTON ? XmNcancelLabelString
                           : button == HELP_BUTTON   ? XmNhelpLabelString
                                                     : nullptr;
    if (!resource)
        return;
    XmStr text(label);
    Args().add(resource, text.get()).set_on(dialog_);
}

void AppsDialogBox::add_callback(int button, CallbackFunction callback, void* data)
{
    auto proc = reinterpret_cast<XtCallbackProc>(callback);
    switch (button) {
    case OK_BUTTON:
        XtAddCallback(dialog_, XmNokCallback, proc, data);
        break;
    case CANCEL_BUTTON:
        XtAddCallback(dialog_, XmNcancelCallback, proc, data);
        break;
    case HELP_BUTTON:
        XtAddCallback(dialog_, XmNhelpCallback, proc, data);
        break;
    case CLOSE_MENUITEM:
        add_close_handler(XtParent(dialog_), proc, data);
        break;
    default:
        break;
    }
}

void AppsDialogBox::change_title(const char* title)
{
    Args().add(XmNtitle, title ? title : "").set_on(XtParent(dialog_));
}
