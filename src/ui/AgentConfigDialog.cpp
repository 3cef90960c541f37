#include "ui/AgentConfigDialog.hpp"

#include <Xm/TextF.h>
#include <Xm/Xm.h>

#include "agents/AgentContext.hpp"
#include "gui/BusyCursor.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Apply.hpp"
#include "ui/Browser.hpp"
#include "ui/BrowserTree.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"
#include "widgets/CaptionLayout.hpp"

const AgentDialogTexts AgentConfigDialog::kSnmp = {"snmp_config_dialog", 79, " SNMP Configuration", 803,
                                                   "SNMP Configuration", 91, 1340};
const AgentDialogTexts AgentConfigDialog::kRpc = {"rpc_config_dialog", 96, " RPC Configuration", 805,
                                                  "RPC Configuration", 105, 1340};
const AgentDialogTexts AgentConfigDialog::kCmip = {"cmip_config_dialog", 119, " CMIP Configuration", 802,
                                                   "CMIP Configuration", 150, 1140};
const AgentDialogTexts AgentConfigDialog::kMis = {"mis_config_dialog", 110, " MIS Configuration", 804,
                                                  "MIS Configuration", 111, 1140};

void AgentConfigDialog::main_ok_sensitive(bool sensitive)
{
    if (object_config_tool)
        XtSetSensitive(object_config_tool->ok_button(), sensitive ? True : False);
}

void AgentConfigDialog::create(Display* dpy, int argc, char** argv)
{
    Args shell_args;
    shell_args.add(XmNtitle, cat_text(kToolSet, texts_.title_number, texts_.title))
        .add(XmNiconName, cat_text(kToolSet, texts_.icon_number, texts_.icon_name))
        // Its fields settle their sizes after the first layout (the option
        // menu, the lists): a fixed shell would squeeze the MIB list.
        .add(XmNallowShellResize, True)
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
    add_member_callback<AgentConfigDialog, &AgentConfigDialog::ok_button_cb>(ok_button_, XmNactivateCallback, this);
    add_member_callback<AgentConfigDialog, &AgentConfigDialog::apply_button_cb>(apply_button_, XmNactivateCallback,
                                                                                 this);
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

void AgentConfigDialog::apply_button_cb(Widget, XtPointer) { apply(); }

void AgentConfigDialog::ok_button_cb(Widget, XtPointer)
{
    if (!apply())
        return;
    if (browser_kind() != 0 && browser_type == browser_kind())
        destroy_tree();
    xd_hide();
    if (create_managed_obj)
        program_exit(0);
}

void AgentConfigDialog::cancel_button_cb(Widget, XtPointer)
{
    edit_agent_row = -1;
    // The SNMP dialog's tree stays for its next " Browser... ".
    if ((browser_kind() == 3 || browser_kind() == 2) && browser_type == browser_kind())
        destroy_tree();
    xd_hide();
    if (create_managed_obj)
        program_exit(0);
}

void AgentConfigDialog::help_button_cb(Widget, XtPointer) { show_help_topic(help, texts_.help_topic); }

void AgentConfigDialog::report(const std::string& message)
{
    Widget parent = XtIsRealized(_xd_rootwidget) ? _xd_rootwidget : root_widget;
    error_dialog(parent, message.c_str(), cancel_error, cancel_error);
}

bool AgentConfigDialog::apply_agent(AgentMo& agent, bool load_before_create)
{
    main_ok_sensitive(false);
    if (!agent.get_agent()) {
        report(cat_text(kToolSet, 209, "Must enter name when creating agent."));
        main_ok_sensitive(true);
        return false;
    }
    // Refused before anything is written, the page included.
    QvStatus usable = check_fields(agent);
    if (usable)
        usable = agent.check_dn(agent.system_name(), first_object_name());
    if (!usable) {
        report(usable.text());
        main_ok_sensitive(true);
        return false;
    }
    if (create_managed_obj) {
        if (load_before_create)
            agent.get_mo(1);
    } else if (agent_page) {
        agent_page->mark_changed();
        if (agent.is_editing())
            agent_page->change_agent(&agent);
        else if (agent.add_on_apply())
            agent_page->add_agent(&agent, 1);
    }
    const QvStatus written = agent.create_mo();
    agent.set_add_on_apply(1);
    main_ok_sensitive(true);
    return static_cast<bool>(written);
}

void AgentConfigDialog::show_object_path(const std::string& path)
{
    if (Widget field = object_path_field())
        XmTextFieldSetString(field, const_cast<char*>(path.c_str()));
}

void AgentConfigDialog::browse(const std::string& host, AgentMo& agent, int type)
{
    if (host.empty())
        return;
    // The server's own MIS system is always there.
    const bool local_mis = type == 2 && host == server_connection()->system_name();
    if (!local_mis && (!agent.exists() || agent.get_name() != host)) {
        const unsigned char creating = create_managed_obj;
        const int add_on_apply = agent.add_on_apply();
        create_managed_obj = 0;
        agent.set_add_on_apply(0);
        const bool written = apply();
        agent.set_add_on_apply(add_on_apply);
        create_managed_obj = creating;
        // Its message was shown; a browser on an agent that is not there
        // would show nothing.
        if (!written)
            return;
    }
    if (derive_in_progress) {
        report(cat_text(kToolSet, 206, "Another derive in progress."));
        return;
    }
    set_busy_cursor(shell());
    const RWCString system = agent.system_name().empty() ? server_connection()->system_name() : agent.system_name();
    // The local MIS is never applied, so the agent has not taken the host
    // typed: the root is the DN under that host's name.
    const RWCString name =
        local_mis ? RWCString(host) : agent.is_default() ? first_object_name() : agent.get_name();
    const RWCString root = agent.root_dn(system, name);
    if (root != browser_parent) {
        destroy_tree();
        browser_parent = root;
        browser_type = type;
        ObjectBrowser* browser = object_browser();  // the tree lives in its outline
        build_tree(root);
        browser->xd_show();
    } else if (type == 4) {
        object_browser()->xd_show();
    }
    reset_busy_cursor(shell());
}

Widget AgentConfigDialog::add_text_row(CaptionLayout& rows, const char* field_name, int number, const char* text,
                                       Widget* label)
{
    Widget caption = make_label(rows.form(), (std::string(field_name) + "_label").c_str(),
                                cat_text(kToolSet, number, text));
    Widget field = make_text_field(rows.form(), field_name);
    rows.add_row(caption, field);
    if (label)
        *label = caption;
    return field;
}

Widget AgentConfigDialog::add_path_row(CaptionLayout& rows, const char* field_name, int number,
                                       const char* button_name, int button_number, Widget* label, Widget* button)
{
    *label = make_label(rows.form(), (std::string(field_name) + "_label").c_str(),
                        cat_text(kToolSet, number, "Object Path:"));
    Widget form = make_form(rows.form(), (std::string(field_name) + "_form").c_str());
    *button = make_button(form, button_name, cat_text(kToolSet, button_number, " Browser... "),
                          Args()
                              .add(XmNtopAttachment, XmATTACH_FORM)
                              .add(XmNbottomAttachment, XmATTACH_FORM)
                              .add(XmNrightAttachment, XmATTACH_FORM));
    Widget field = make_text_field(form, field_name,
                                   Args()
                                       .add(XmNtopAttachment, XmATTACH_FORM)
                                       .add(XmNleftAttachment, XmATTACH_FORM)
                                       .add(XmNrightAttachment, XmATTACH_WIDGET)
                                       .add(XmNrightWidget, *button)
                                       .add(XmNrightOffset, 6));
    rows.add_row(*label, form);
    return field;
}
