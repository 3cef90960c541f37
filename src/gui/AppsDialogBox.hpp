// A small class over a Motif message box whose three buttons are addressed by
// number; ErrDialogBox and QuestionDialogBox make the two kinds the tool uses.
#pragma once

#include <X11/Intrinsic.h>

inline constexpr int OK_BUTTON = 1;
inline constexpr int CANCEL_BUTTON = 2;
inline constexpr int HELP_BUTTON = 3;
// The window manager's close action on the dialog's shell (add_callback only).
inline constexpr int CLOSE_MENUITEM = 4;

class AppsDialogBox {
public:
    using CallbackFunction = void (*)(Widget, void*, void*);

    // Unmanages and destroys the dialog (with its shell).
    virtual ~AppsDialogBox();
    AppsDialogBox(const AppsDialogBox&) = delete;
    AppsDialogBox& operator=(const AppsDialogBox&) = delete;

    // Replaces the message; newlines break lines, and so does the width
    // of the screen: a text too long for it is wrapped, and cut with an
    // ellipsis when it would not fit its height.
    virtual void setmessage(const char* message);
    virtual void manage();
    virtual void unmanage();
    // Show / hide button 1, 2 or 3; other numbers do nothing. Escape and
    // the window manager's close press Cancel, or OK while Cancel is hidden.
    virtual void manage_button(int button);
    virtual void unmanage_button(int button);
    virtual void label_button(int button, const char* label);
    // 1-3: the button's activation; 4: the shell's WM_DELETE_WINDOW.
    virtual void add_callback(int button, CallbackFunction callback, void* data);
    virtual void change_title(const char* title);

    Widget getwidget() const { return dialog_; }
    // The widget was destroyed from outside: the destructor leaves it alone.
    void widget_destroyed() { dialog_ = nullptr; }

protected:
    explicit AppsDialogBox(Widget dialog) : dialog_(dialog) {}
    // A full-application-modal message box made by one of Motif's XmCreate*Dialog functions.
    using CreateFunction = Widget (*)(Widget, char*, ArgList, Cardinal);
    static Widget create_modal(CreateFunction create, Widget parent, const char* name);
    // The message box child for button 1-3, null for other numbers.
    Widget button_widget(int button) const;

    Widget dialog_;

private:
    void route_escape();
};
