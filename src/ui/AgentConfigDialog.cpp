#include "ui/AgentConfigDialog.hpp"

#include <string>

#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"

const AgentDialogTexts AgentConfigDialog::kSnmp = {"snmp_config_dialog", 79, " SNMP Configuration", 803,
                                                   "SNMP Configuration", 91, 1340};
const AgentDialogTexts AgentConfigDialog::kRpc = {"rpc_config_dialog", 96, " RPC Configuration", 805,
                                                  "RPC Configuration", 105, 1340};
const AgentDialogTexts AgentConfigDialog::kCmip = {"cmip_config_dialog", 119, " CMIP Configuration", 802,
                                                   "CMIP Configuration", 150, 1140};
const AgentDialogTexts AgentConfigDialog::kMis = {"mis_config_dialog", 110, " MIS Configuration", 804,
                                                  "MIS Configuration", 111, 1140};

void AgentConfigDialog::create(Display* dpy, int argc, char** argv)
{
    Args shell_args;
    shell_args.add(XmNtitle, cat_text(kToolSet, texts_.title_number, texts_.title))
        .add(XmNiconName, cat_text(kToolSet, texts_.icon_number, texts_.icon_name))
        .add(XmNargc, argc)
        .add(XmNargv, argv);
    _xd_rootwidget = XtAppCreateShell(texts_.shell_name, kAppClass, applicationShellWidgetClass, dpy,
                                      shell_args.list(), shell_args.count());

    const std::string box_name = std::string(texts_.shell_name) + "_template";
    _xd_dialogwidget = create_template_box(_xd_rootwidget, box_name.c_str());
    const int n = texts_.ok_number;
    ok_button_ = make_button(_xd_dialogwidget, "ok_button", cat_text(kToolSet, n, "OK"));
    apply_button_ = make_button(_xd_dialogwidget, "apply_button", cat_text(kToolSet, n + 1, "Apply"));
    cancel_button_ = make_button(_xd_dialogwidget, "cancel_button", cat_text(kToolSet, n + 2, "Cancel"));
    Widget help_button = make_button(_xd_dialogwidget, "help_button", cat_text(kToolSet, n + 3, "Help"));
    work_form_ = make_form(_xd_dialogwidget, "work_form");
    add_member_callback<AgentConfigDialog, &AgentConfigDialog::cancel_button_cb>(cancel_button_, XmNactivateCallback,
                                                                                  this);
    add_member_callback<AgentConfigDialog, &AgentConfigDialog::help_button_cb>(help_button, XmNactivateCallback, this);
    XtManageChild(_xd_dialogwidget);
}

void AgentConfigDialog::xd_show()
{
    if (!_xd_rootwidget)
        return;
    XtManageChild(_xd_dialogwidget);
    XtPopup(_xd_rootwidget, XtGrabNone);
}

void AgentConfigDialog::xd_hide()
{
    if (!_xd_rootwidget)
        return;
    XtPopdown(_xd_rootwidget);
    // A shell shown by realizing it was never popped up: withdraw it directly.
    if (XtIsRealized(_xd_rootwidget))
        XWithdrawWindow(XtDisplay(_xd_rootwidget), XtWindow(_xd_rootwidget),
                        XScreenNumberOfScreen(XtScreen(_xd_rootwidget)));
}

void AgentConfigDialog::cancel_button_cb(Widget, XtPointer)
{
    xd_hide();
    if (create_managed_obj)
        program_exit(0);
}

void AgentConfigDialog::help_button_cb(Widget, XtPointer) { show_help_topic(help, texts_.help_topic); }
