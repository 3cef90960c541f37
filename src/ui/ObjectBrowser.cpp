#include "ui/ObjectBrowser.hpp"

#include <Xm/Form.h>
#include <Xm/ScrolledW.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/MisConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Browser.hpp"
#include "ui/BrowserTree.hpp"
#include "ui/Windows.hpp"

void ObjectBrowser::create(Widget parent, const char* name)
{
    Widget box = create_template(parent, name, "browser_template", cat_text(kToolSet, 163, "Object Browser"));
    Widget add = make_button(box, "object_browser_add_btn", cat_text(kToolSet, 164, "Add"));
    Widget close = make_button(box, "object_broser_close_btn", cat_text(kToolSet, 165, "Close"));
    Widget help_button = make_button(box, "object_browser_help_btn", cat_text(kToolSet, 166, "Help"));

    set_answer_buttons(box, nullptr, close);
    Widget form = make_form(box, "mw_form", Args().add(XmNwidth, 500).add(XmNheight, 500));
    Args window_args;
    window_args.add(XmNscrollingPolicy, XmAUTOMATIC)
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    navigator_window_ = make_widget(xmScrolledWindowWidgetClass, form, "mw_navigator_window", window_args);

    // Escape closes, as Close does.
    XtVaSetValues(box, XmNcancelButton, close, nullptr);
    create_browser_window(navigator_window_);

    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_add_cb>(add, XmNactivateCallback, this);
    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_close_cb>(close, XmNactivateCallback, this);
    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_help_cb>(help_button, XmNactivateCallback,
                                                                               this);
}

void ObjectBrowser::object_browser_close_cb(Widget, XtPointer)
{
    xd_hide();
    ::destroy_tree();
}

void ObjectBrowser::object_browser_help_cb(Widget, XtPointer) { show_help_topic(help, kHelpTopic); }

void ObjectBrowser::object_browser_add_cb(Widget, XtPointer) { add_selected(); }

void ObjectBrowser::add_selected()
{
    if (!current_selected)
        return;
    std::string name = current_selected->name;
    if (name.find("/systemId") == std::string::npos)
        name = "/systemId=name:\"" + server_name() + "\"/" + name;
    const std::string relative = name.size() > browser_parent.size() ? name.substr(browser_parent.size()) : "";
    AgentConfigDialog* receiver = nullptr;
    if (browser_type == 4)
        receiver = snmp_config_dialog();
    else if (browser_type == 3)
        receiver = rpc_config_dialog();
    else if (browser_type == 2)
        receiver = mis_config_dialog();
    if (receiver)
        receiver->show_object_path(relative);
}
