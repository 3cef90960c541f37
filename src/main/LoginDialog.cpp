#include "main/LoginDialog.hpp"

#include <cstdio>
#include <string>

#include <Xm/MessageB.h>
#include <Xm/TextF.h>

#include "gui/CloseHandler.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "help/XtHelp.hpp"
#include "main/Catalogue.hpp"
#include "main/PasswordMask.hpp"
#include "main/StartupState.hpp"
#include "main/TitleText.hpp"
#include "widgets/CaptionLayout.hpp"

int login_result = -1;
XtHelp* login_help = nullptr;

namespace {

std::string login;
PasswordMask passwd;

struct LoginWidgets {
    Widget box;
    Widget login_text;
    Widget passwd_text;
};

void create_login_help(Widget parent)
{
    if (login_help)
        return;
    login_help = new XtHelp;
    if (login_help->initialize(parent) != 0)
        std::fputs(cat_text(kToolSet, 811, "Help initialize failed\n"), stderr);
}

LoginWidgets create_login_dialog(Widget parent)
{
    const std::string title =
        format_title(cat_text(kDialogSet, 800, "Corvane QV %s: Login Window"), kVersionText, "");
    Args args;
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    LoginWidgets w{};
    w.box = XmCreateTemplateDialog(parent, const_cast<char*>("template"), args.list(), args.count());
    XtVaSetValues(XtParent(w.box), XmNtitle, title.c_str(), XmNiconName, title.c_str(), nullptr);

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

    XtAddCallback(okay, XmNactivateCallback, okay_cb, nullptr);
    XtAddCallback(w.login_text, XmNactivateCallback, okay_cb, nullptr);
    XtAddCallback(w.passwd_text, XmNactivateCallback, okay_cb, nullptr);
    XtAddCallback(cancel, XmNactivateCallback, cancel_cb, nullptr);
    close_callback(XtParent(w.box), cancel_cb, nullptr);
    XtAddCallback(help_button, XmNactivateCallback, help_cb, nullptr);
    XtAddCallback(w.passwd_text, XmNmodifyVerifyCallback, passwd_cb, nullptr);
    XtAddCallback(w.passwd_text, XmNmotionVerifyCallback, passwd_cb, nullptr);
    XtAddCallback(w.login_text, XmNvalueChangedCallback, login_cb, nullptr);
    return w;
}

void forget_entries()
{
    std::fill(login.begin(), login.end(), '\0');
    login.clear();
    passwd.clear();
}

}  // namespace

int get_password_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context)
{
    forget_entries();
    const LoginWidgets w = create_login_dialog(parent);
    XmTextFieldSetString(w.login_text, const_cast<char*>(user.c_str()));
    login = user;
    XtManageChild(w.box);
    XtRealizeWidget(XtParent(w.box));
    XmProcessTraversal(w.passwd_text, XmTRAVERSE_CURRENT);
    create_login_help(parent);

    login_result = -1;
    while (login_result == -1)
        XtAppProcessEvent(context, XtIMAll);

    if (login_result == 1) {
        user = login;
        password = passwd.password();
    }
    forget_entries();
    XtUnmanageChild(w.box);
    XtDestroyWidget(XtParent(w.box));
    return login_result;
}

void okay_cb(Widget, XtPointer, XtPointer) { login_result = 1; }

void cancel_cb(Widget, XtPointer, XtPointer) { login_result = 0; }

void help_cb(Widget, XtPointer, XtPointer) { show_help_topic(login_help, kLoginHelpTopic); }

void login_cb(Widget widget, XtPointer, XtPointer)
{
    char* text = XmTextFieldGetString(widget);
    std::fill(login.begin(), login.end(), '\0');
    login = text ? text : "";
    XtFree(text);
}

void passwd_cb(Widget widget, XtPointer, XtPointer call_data)
{
    auto* cbs = static_cast<XmTextVerifyCallbackStruct*>(call_data);
    const int length = XmTextFieldGetLastPosition(widget);
    if (cbs->reason == XmCR_MOVING_INSERT_CURSOR) {
        if (!PasswordMask::allow_move(length, static_cast<int>(cbs->newInsert)))
            cbs->doit = False;
        return;
    }
    const int inserted_length = cbs->text ? cbs->text->length : 0;
    const PasswordMask::Change change{length,
                                      static_cast<int>(cbs->currInsert),
                                      static_cast<int>(cbs->startPos),
                                      static_cast<int>(cbs->endPos),
                                      inserted_length,
                                      inserted_length == 1 ? cbs->text->ptr[0] : '\0'};
    switch (passwd.verify(change)) {
    case PasswordMask::Verdict::Refuse:
        cbs->doit = False;
        break;
    case PasswordMask::Verdict::Delete:
        cbs->endPos = length;
        break;
    case PasswordMask::Verdict::Append:
        cbs->text->ptr[0] = PasswordMask::kMaskChar;
        break;
    case PasswordMask::Verdict::Accept:
        break;
    }
}
