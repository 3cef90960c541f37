#include "main/LoginDialog.hpp"

#include <cstdio>
#include <string>

#include <Xm/MessageB.h>
#include <Xm/TextF.h>

#include "gui/CloseHandler.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/WindowShow.hpp"
#include "help/HelpLauncher.hpp"
#include "help/XtHelp.hpp"
#include "main/LocaleText.hpp"
#include "main/PasswordMask.hpp"
#include "main/TitleText.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "widgets/CaptionLayout.hpp"

XtHelp* login_help = nullptr;

namespace {

// The open dialog: its widgets, what was typed and the answer its loop waits for.
struct LoginSession {
    Widget box = nullptr;
    Widget login_text = nullptr;
    Widget passwd_text = nullptr;
    std::string login;
    PasswordMask passwd;
    int result = -1;  // -1 pending, 1 OK, 0 Cancel

    ~LoginSession()
    {
        std::fill(login.begin(), login.end(), '\0');
        passwd.clear();
    }
};

void create_login_help(Widget parent)
{
    if (login_help)
        return;
    login_help = new XtHelp;
    if (login_help->initialize(parent) != 0)
        std::fputs(cat_text(kToolSet, 811, "Help initialize failed\n"), stderr);
}

LoginSession& session_of(XtPointer client_data) { return *static_cast<LoginSession*>(client_data); }

void box_destroyed_cb(Widget, XtPointer client_data, XtPointer)
{
    LoginSession& w = session_of(client_data);
    w.box = nullptr;
    if (w.result == -1)
        w.result = 0;
}

std::string login_title()
{
    return format_title(cat_text(kDialogSet, 800, "Corvane QV %s: Login Window"), kVersionText, "");
}

void create_login_dialog(Widget parent, LoginSession& w)
{
    Args args;
    // Help must leave the dialog up: only OK and Cancel end it.
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL).add(XmNautoUnmanage, False);
    w.box = XmCreateTemplateDialog(parent, const_cast<char*>("template"), args.list(), args.count());
    set_window_names(XtParent(w.box), login_title());

    CaptionLayout caption(w.box, "pw_cap", 15, 8, Args().add(XmNmarginWidth, 10).add(XmNmarginHeight, 10));
    Widget login_label = make_label(caption.form(), "login_label", cat_text(kDialogSet, 803, "Login:"));
    w.login_text = make_text_field(caption.form(), "login_text", Args().add(XmNcolumns, 20));
    Widget passwd_label = make_label(caption.form(), "passwd_label", cat_text(kDialogSet, 804, "Password:"));
    w.passwd_text = make_text_field(caption.form(), "passwd_text", Args().add(XmNcolumns, 20));
    caption.add_row(login_label, w.login_text);
    caption.add_row(passwd_label, w.passwd_text);
    caption.finish();

    Widget okay = make_button(w.box, "okay_button", cat_text(kDialogSet, 805, "OK"));
    Widget cancel = make_button(w.box, "cancel_button", cat_text(kDialogSet, 806, "Cancel"));
    Widget help_button = make_button(w.box, "help_button", cat_text(kDialogSet, 807, "Help"));
    set_answer_buttons(w.box, okay, cancel);

    XtPointer session = &w;
    XtAddCallback(okay, XmNactivateCallback, okay_cb, session);
    XtAddCallback(w.login_text, XmNactivateCallback, okay_cb, session);
    XtAddCallback(w.passwd_text, XmNactivateCallback, okay_cb, session);
    XtAddCallback(cancel, XmNactivateCallback, cancel_cb, session);
    close_callback(XtParent(w.box), cancel_cb, session);
    XtAddCallback(help_button, XmNactivateCallback, help_cb, session);
    XtAddCallback(w.passwd_text, XmNmodifyVerifyCallback, passwd_cb, session);
    XtAddCallback(w.passwd_text, XmNmotionVerifyCallback, passwd_cb, session);
    XtAddCallback(w.login_text, XmNvalueChangedCallback, login_cb, session);
    // However the dialog goes away, its wait ends as Cancel.
    XtAddCallback(w.box, XmNdestroyCallback, box_destroyed_cb, session);
}


}  // namespace

int get_password_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context)
{
    LoginSession w;
    create_login_dialog(parent, w);
    XmTextFieldSetString(w.login_text, const_cast<char*>(user.c_str()));
    w.login = user;
    XtManageChild(w.box);
    XtRealizeWidget(XtParent(w.box));
    set_window_names(XtParent(w.box), login_title());
    XmProcessTraversal(w.passwd_text, XmTRAVERSE_CURRENT);
    create_login_help(parent);

    while (w.result == -1)
        XtAppProcessEvent(context, XtIMAll);

    if (w.result == 1) {
        user = w.login;
        password = w.passwd.password();
    }
    if (w.box) {
        XtRemoveCallback(w.box, XmNdestroyCallback, box_destroyed_cb, &w);
        XtUnmanageChild(w.box);
        XtDestroyWidget(XtParent(w.box));
    }
    return w.result;
}

void okay_cb(Widget, XtPointer client_data, XtPointer)
{
    LoginSession& w = session_of(client_data);
    if (w.result == -1)
        w.result = 1;
}

void cancel_cb(Widget, XtPointer client_data, XtPointer)
{
    LoginSession& w = session_of(client_data);
    if (w.result == -1)
        w.result = 0;
}

void help_cb(Widget, XtPointer, XtPointer) { show_help_topic(login_help, kLoginHelpTopic); }

void login_cb(Widget widget, XtPointer client_data, XtPointer)
{
    LoginSession& w = session_of(client_data);
    char* text = XmTextFieldGetString(widget);
    std::fill(w.login.begin(), w.login.end(), '\0');
    w.login = text ? text : "";
    XtFree(text);
}

void passwd_cb(Widget widget, XtPointer client_data, XtPointer call_data)
{
    PasswordMask& passwd = session_of(client_data).passwd;
    auto* cbs = static_cast<XmTextVerifyCallbackStruct*>(call_data);
    const int length = XmTextFieldGetLastPosition(widget);
    if (cbs->reason == XmCR_MOVING_INSERT_CURSOR) {
        if (!PasswordMask::allow_move(length, static_cast<int>(cbs->newInsert)))
            cbs->doit = False;
        return;
    }
    // The field counts characters, the block holds bytes in the locale's
    // encoding; the password is kept as the UTF-8 the server compares.
    const int inserted_bytes = cbs->text && cbs->text->ptr ? cbs->text->length : 0;
    const int inserted_length = inserted_bytes > 0 ? locale_char_count(cbs->text->ptr, inserted_bytes) : 0;
    const PasswordMask::Change change{length,
                                      static_cast<int>(cbs->currInsert),
                                      static_cast<int>(cbs->startPos),
                                      static_cast<int>(cbs->endPos),
                                      inserted_length,
                                      inserted_length == 1 ? locale_to_utf8(cbs->text->ptr, inserted_bytes) : ""};
    switch (passwd.verify(change)) {
    case PasswordMask::Verdict::Refuse:
        cbs->doit = False;
        break;
    case PasswordMask::Verdict::Delete:
        cbs->endPos = length;
        break;
    case PasswordMask::Verdict::Append:
        cbs->text->ptr[0] = PasswordMask::kMaskChar;
        cbs->text->length = 1;
        break;
    case PasswordMask::Verdict::Accept:
        break;
    }
}
