#include "gui/AppsDialogBox.hpp"

#include <Xm/MessageB.h>
#include <Xm/Xm.h>

#include "gui/Args.hpp"
#include "gui/CloseHandler.hpp"
#include "gui/XmStr.hpp"

Widget AppsDialogBox::create_modal(CreateFunction create, Widget parent, const char* name)
{
    Args args;
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    return create(parent, const_cast<char*>(name), args.list(), args.count());
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
    XmString text = XmStringGenerate(const_cast<char*>(message ? message : ""), nullptr, XmCHARSET_TEXT, nullptr);
    Args().add(XmNmessageString, text).set_on(dialog_);
    XmStringFree(text);
}

void AppsDialogBox::manage() { XtManageChild(dialog_); }

void AppsDialogBox::unmanage() { XtUnmanageChild(dialog_); }

void AppsDialogBox::manage_button(int button)
{
    if (Widget w = button_widget(button))
        XtManageChild(w);
}

void AppsDialogBox::unmanage_button(int button)
{
    if (Widget w = button_widget(button))
        XtUnmanageChild(w);
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
