#include "ui/CmipDel.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>

#include "agents/CurrentAgents.hpp"
#include "gui/ListSelection.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"

void CmipDel::create(Widget parent, const char* name)
{
    Widget box = create_template(parent, name, "cmip_del_template", cat_text(kToolSet, 154, "Delete Entity"));
    ok_button_ = make_button(box, "cmip_del_ok_button", cat_text(kToolSet, 155, "OK"));
    apply_button_ = make_button(box, "cmip_del_apply_button", cat_text(kToolSet, 156, "Apply"));
    Widget cancel = make_button(box, "cmip_del_cancel_button", cat_text(kToolSet, 157, "Cancel"));
    Widget help_button = make_button(box, "cmip_del_help_button", cat_text(kToolSet, 158, "Help"));

    set_answer_buttons(box, ok_button_, cancel);
    Widget form = make_form(box, "cmip_del_form");
    list_ = make_titled_list(form, "cmip_del_label", cat_text(kToolSet, 159, "Select Entity to Delete"),
                             "cmip_del_list", 7, XmEXTENDED_SELECT);

    add_member_callback<CmipDel, &CmipDel::ok_button_cb>(ok_button_, XmNactivateCallback, this);
    add_member_callback<CmipDel, &CmipDel::apply_button_cb>(apply_button_, XmNactivateCallback, this);
    add_member_callback<CmipDel, &CmipDel::cancel_button_cb>(cancel, XmNactivateCallback, this);
    add_member_callback<CmipDel, &CmipDel::help_button_cb>(help_button, XmNactivateCallback, this);
}

void CmipDel::fill(const RWTValSlist<RWCString>& names)
{
    set_list_items(list_, std::vector<std::string>(names.begin(), names.end()));
}

void CmipDel::open(const RWTValSlist<RWCString>& names)
{
    fill(names);
    XtVaSetValues(_xd_rootwidget, XmNtitle,
                  cat_text(kToolSet, 836, "Object Properties: Delete CMIP Entity"), nullptr);
    xd_show();
}

void CmipDel::apply_button_cb(Widget, XtPointer)
{
    const std::vector<int> positions = selected_positions(list_);
    if (cmip_agent && !positions.empty())
        cmip_agent->delete_mo(static_cast<int>(positions.size()), positions.data());
    fill(CmipAgent::name_list());
}

void CmipDel::ok_button_cb(Widget widget, XtPointer call_data)
{
    apply_button_cb(widget, call_data);
    xd_hide();
}

void CmipDel::cancel_button_cb(Widget, XtPointer) { xd_hide(); }

void CmipDel::help_button_cb(Widget, XtPointer) { show_help_topic(help, kHelpTopic); }
