#include <gtest/gtest.h>  // first: X11 defines None and Bool
#include "driver/GuiDriver.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <thread>

#include <X11/IntrinsicP.h>
#include <X11/CompositeP.h>
#include <Xm/MessageB.h>
#include <Xm/RowColumn.h>
#include <Xm/SelectioB.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/Xm.h>

#include "support/ChildProcess.hpp"
#include "gui/XmStr.hpp"
#include "gui/XtGlobals.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

constexpr unsigned long kTimerMillis = 20;

bool alive(Widget widget) { return widget && !widget->core.being_destroyed; }

struct Watch {
    std::string name;
    std::function<void(Widget)> action;
    bool repeat;
};

// Widgets already answered carry this as user data: a new dialog may come
// back at the address of the one just destroyed.
XtPointer const kAnswered = reinterpret_cast<XtPointer>(0x5eed);

bool answered(Widget widget)
{
    XtPointer data = nullptr;
    XtVaGetValues(widget, XmNuserData, &data, nullptr);
    return data == kAnswered;
}

// Actions run from a client message the driver sends itself, so that they
// happen inside an event dispatch as a user's click would: widgets destroyed
// by them are then destroyed after the callback, not under its feet.
struct PendingAction {
    Widget widget;
    std::function<void(Widget)> action;
};
std::deque<PendingAction> pending_actions;

Atom action_atom(Display* dpy) { return XInternAtom(dpy, "QV_TEST_DRIVER_ACTION", False); }

void run_pending_action(Widget, XtPointer, XEvent* event, Boolean*)
{
    if (event->type != ClientMessage || event->xclient.message_type != action_atom(event->xclient.display) ||
        pending_actions.empty())
        return;
    PendingAction next = std::move(pending_actions.front());
    pending_actions.pop_front();
    if (alive(next.widget))
        next.action(next.widget);
}

Widget shell_of(Widget widget)
{
    while (widget && !XtIsShell(widget))
        widget = XtParent(widget);
    return widget;
}

void post_action(Widget widget, const std::function<void(Widget)>& action)
{
    Widget shell = shell_of(widget);
    XtAddEventHandler(shell, NoEventMask, True, run_pending_action, nullptr);
    pending_actions.push_back(PendingAction{widget, action});
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = XtDisplay(shell);
    event.xclient.window = XtWindow(shell);
    event.xclient.message_type = action_atom(XtDisplay(shell));
    event.xclient.format = 32;
    XSendEvent(XtDisplay(shell), XtWindow(shell), False, NoEventMask, &event);
    XFlush(XtDisplay(shell));
}

// A shown widget of that name not answered yet, below root (dialogs of one
// name may be up over each other).
Widget find_waiting(Widget root, const std::string& name)
{
    if (!alive(root))
        return nullptr;
    if (name == XtName(root) && XtIsManaged(root) && XtIsRealized(root) && !answered(root))
        return root;
    for (Cardinal i = 0; XtIsWidget(root) && i < root->core.num_popups; ++i)
        if (Widget w = find_waiting(root->core.popup_list[i], name))
            return w;
    if (XtIsComposite(root)) {
        auto* composite = reinterpret_cast<CompositeWidget>(root);
        for (Cardinal i = 0; i < composite->composite.num_children; ++i)
            if (Widget w = find_waiting(composite->composite.children[i], name))
                return w;
    }
    return nullptr;
}

Widget find_waiting(const std::string& name)
{
    for (Widget shell : top_level_shells())
        if (Widget w = find_waiting(shell, name))
            return w;
    return root_widget ? find_waiting(root_widget, name) : nullptr;
}

void watch_tick(XtPointer data, XtIntervalId*)
{
    auto* watch = static_cast<Watch*>(data);
    Widget widget = find_waiting(watch->name);
    if (widget) {
        XtVaSetValues(widget, XmNuserData, kAnswered, nullptr);
        post_action(widget, watch->action);
        if (!watch->repeat) {
            delete watch;
            return;
        }
    }
    XtAppAddTimeOut(app_context, kTimerMillis, watch_tick, watch);
}

}  // namespace

Widget find_widget_in(Widget root, const char* name)
{
    if (!root)
        return nullptr;
    const std::string pattern = std::string("*") + name;
    Widget widget = XtNameToWidget(root, pattern.c_str());
    return alive(widget) ? widget : nullptr;
}

Widget find_widget(const char* name)
{
    std::vector<Widget> shells = top_level_shells();
    if (root_widget && std::find(shells.begin(), shells.end(), root_widget) == shells.end())
        shells.push_back(root_widget);
    for (Widget shell : shells) {
        if (std::string(XtName(shell)) == name)
            return shell;
        if (Widget widget = find_widget_in(shell, name))
            return widget;
    }
    return nullptr;
}

bool pump_until(const std::function<bool()>& condition, double limit_seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit_seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        if (XtAppPending(app_context))
            XtAppProcessEvent(app_context, XtIMAll);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// A pull-down menu pane is managed only while posted; its items count as
// reachable when the pane's cascade button is.
bool is_menu_pane(Widget w)
{
    if (!XmIsRowColumn(w))
        return false;
    unsigned char type = 0;
    XtVaGetValues(w, XmNrowColumnType, &type, nullptr);
    return type == XmMENU_PULLDOWN;
}

bool pressable(Widget widget)
{
    if (!alive(widget) || !XtIsSensitive(widget))
        return false;
    for (Widget w = widget; w && !XtIsShell(w); w = XtParent(w)) {
        if (is_menu_pane(w))
            return true;
        if (!XtIsManaged(w))
            return false;
    }
    return true;
}

void activate(Widget widget)
{
    if (!pressable(widget)) {
        ADD_FAILURE() << "activate: " << (widget ? XtName(widget) : "(null)")
                      << " is insensitive, hidden or gone: no user could press it";
        return;
    }
    XEvent event{};
    event.xbutton.type = ButtonRelease;
    // Message box buttons are gadgets: ask for the display of the object.
    event.xbutton.display = XtDisplayOfObject(widget);
    event.xbutton.window = XtIsRealized(widget) ? XtWindowOfObject(widget) : None;
    event.xbutton.button = Button1;
    XmPushButtonCallbackStruct data{};
    data.reason = XmCR_ACTIVATE;
    data.event = &event;
    data.click_count = 1;
    XtCallCallbacks(widget, XmNactivateCallback, &data);
}

void press_box_button(Widget box, unsigned char child)
{
    activate(XmIsSelectionBox(box) ? XmSelectionBoxGetChild(box, child) : XmMessageBoxGetChild(box, child));
}

void set_text(Widget text_field, const std::string& text)
{
    if (XmIsTextField(text_field))
        XmTextFieldSetString(text_field, const_cast<char*>(text.c_str()));
    else
        XmTextSetString(text_field, const_cast<char*>(text.c_str()));
}

std::string text_of(Widget text_field)
{
    char* value = XmIsTextField(text_field) ? XmTextFieldGetString(text_field) : XmTextGetString(text_field);
    std::string text = value ? value : "";
    XtFree(value);
    return text;
}

std::string label_of(Widget label) { return XmStr::of_resource(label, XmNlabelString); }

std::string message_of(Widget message_box) { return XmStr::of_resource(message_box, XmNmessageString); }

std::string shell_title(Widget widget)
{
    Widget shell = shell_of(widget);
    char* title = nullptr;
    if (shell)
        XtVaGetValues(shell, XmNtitle, &title, nullptr);
    return title ? title : "";
}

bool is_shown(Widget widget)
{
    return alive(widget) && XtIsManaged(widget) && XtIsRealized(widget);
}

bool is_viewable(Widget widget)
{
    if (!alive(widget) || !XtIsRealized(widget))
        return false;
    XWindowAttributes attributes{};
    XGetWindowAttributes(XtDisplay(widget), XtWindow(widget), &attributes);
    return attributes.map_state == IsViewable;
}

bool give_focus(Widget shell)
{
    if (!pump_until([&] { return is_viewable(shell); }))
        return false;
    XSetInputFocus(XtDisplay(shell), XtWindow(shell), RevertToParent, CurrentTime);
    XFlush(XtDisplay(shell));
    return true;
}

void send_wm_delete(Widget shell) { send_wm_delete(XtDisplay(shell), XtWindow(shell)); }

void send_wm_delete(Display* dpy, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = dpy;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &event);
    XFlush(dpy);
}

void xdotool(const std::vector<std::string>& args)
{
    const char* tmp = std::getenv("TMPDIR");
    qv::test::ChildProcess child("xdotool", args, {}, tmp ? tmp : "/tmp");
    const bool ended = pump_until([&] { return !child.running(); });
    EXPECT_TRUE(ended && child.exit_status() == 0) << "xdotool failed: " << child.err();
    settle();
}

void resize_window(Widget shell, int width, int height)
{
    XResizeWindow(XtDisplay(shell), XtWindow(shell), static_cast<unsigned>(width), static_cast<unsigned>(height));
    pump_until([&] {
        Dimension w = 0, h = 0;
        XtVaGetValues(shell, XmNwidth, &w, XmNheight, &h, nullptr);
        return w == width && h == height;
    });
    settle();
}

void settle()
{
    for (int round = 0; round < 10; ++round) {
        XSync(display, False);
        if (!XtAppPending(app_context))
            return;
        while (XtAppPending(app_context))
            XtAppProcessEvent(app_context, XtIMAll);
    }
}

void on_widget(const char* name, std::function<void(Widget)> action, bool repeat)
{
    // Watches set up before start-up (for the login dialog) need the
    // context the tool will then use.
    if (!app_context) {
        XtToolkitInitialize();
        app_context = XtCreateApplicationContext();
    }
    XtAppAddTimeOut(app_context, kTimerMillis, watch_tick, new Watch{name, std::move(action), repeat});
}

}  // namespace qv::gui
