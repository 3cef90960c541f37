#include "ui/ObjectConfig.hpp"

#include <Xm/Form.h>
#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"
#include "ui/ExitFlows.hpp"

void ObjectConfig::create(Display* dpy, const char* name, int argc, char** argv, const char* app_class)
{
    Args shell_args;
    shell_args.add(XmNwidth, 600)
        .add(XmNheight, 700)
        .add(XmNtitle, cat_text(kToolSet, 1, "Viewer: Object Properties"))
        .add(XmNargc, argc)
        .add(XmNargv, argv);
    shell_ = XtAppCreateShell(name, app_class ? app_class : kAppClass, applicationShellWidgetClass, dpy,
                              shell_args.list(), shell_args.count());
    _xd_rootwidget = shell_;

    tolvar_dialog_ = create_template_box(shell_, "tolvar_dialog");
    create_buttons();
    create_work_area();
    XtManageChild(tolvar_dialog_);
}

// Push-button children of a template message box go to its action area.
void ObjectConfig::create_buttons()
{
    ok_button_ = make_button(tolvar_dialog_, "ok_button", cat_text(kToolSet, 2, "OK"));
    apply_button_ = make_button(tolvar_dialog_, "apply_button", cat_text(kToolSet, 3, "Apply"));
    cancel_button_ = make_button(tolvar_dialog_, "cancel_button", cat_text(kToolSet, 4, "Cancel"));
    help_button_ = make_button(tolvar_dialog_, "help_button", cat_text(kToolSet, 5, "Help"));
    add_member_callback<ObjectConfig, &ObjectConfig::ok_button_cb>(ok_button_, XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::apply_button_cb>(apply_button_, XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::exit_cb>(cancel_button_, XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::help_button_cb>(help_button_, XmNactivateCallback, this);
}

// The first non-button child of the message box is its work area.
void ObjectConfig::create_work_area()
{
    main_form_ = make_form(tolvar_dialog_, "main_form");
    identification_.create(main_form_);
    type_frame_.create(main_form_);
    book_.create(main_form_);
    connect_identification();
    connect_agent_controls();

    Args top;
    top.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM);
    top.set_on(identification_.frame());
    Args middle;
    middle.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, identification_.frame())
        .add(XmNtopOffset, 6)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM);
    middle.set_on(type_frame_.frame());
    Args bottom;
    bottom.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, type_frame_.frame())
        .add(XmNtopOffset, 6)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    bottom.set_on(book_.frame());
}

void ObjectConfig::connect_identification()
{
    IdentificationFrame& id = identification_;
    add_member_callback<ObjectConfig, &ObjectConfig::name_changed_cb>(id.name_text_field(), XmNactivateCallback,
                                                                       this);
    add_member_callback<ObjectConfig, &ObjectConfig::name_selected_cb>(id.name_list(), XmNsingleSelectionCallback,
                                                                        this);
    add_member_callback<ObjectConfig, &ObjectConfig::add_name_button_cb>(id.add_name_button(), XmNactivateCallback,
                                                                          this);
    add_member_callback<ObjectConfig, &ObjectConfig::delete_name_button_cb>(id.delete_name_button(),
                                                                             XmNactivateCallback, this);
}

void ObjectConfig::connect_agent_controls()
{
    for (int index = 0; index < 4; ++index)
        add_member_callback<ObjectConfig, &ObjectConfig::protocol_change_cb>(book_.protocol_button(index),
                                                                              XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::add_cb>(book_.add_button(), XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::add_default_cb>(book_.add_default_button(), XmNactivateCallback,
                                                                     this);
    add_member_callback<ObjectConfig, &ObjectConfig::change_cb>(book_.change_button(), XmNactivateCallback, this);
    add_member_callback<ObjectConfig, &ObjectConfig::delete_cb>(book_.delete_button(), XmNactivateCallback, this);
}

void ObjectConfig::exit_cb(Widget widget, XtPointer) { exit_callback(widget, nullptr, nullptr); }

void ObjectConfig::help_button_cb(Widget, XtPointer) { show_help_topic(help, kHelpTopic); }
