#include "ui/ChooserDialog.hpp"

#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"

void ChooserDialog::create(Widget parent, const char* name, int title_number, const char* title)
{
    Widget box = create_template(parent, name, "chooser_template", cat_text(kToolSet, title_number, title));
    ok_button_ = make_button(box, "ok_button", cat_text(kDialogSet, 405, "OK"));
    Widget cancel = make_button(box, "cancel_button", cat_text(kDialogSet, 406, "Cancel"));
    help_button_ = make_button(box, "help_button", cat_text(kDialogSet, 807, "Help"));
    work_form_ = make_form(box, "work_form");
    subset_list_.create(work_form_);
    subset_list_.manage();
    add_member_callback<ChooserDialog, &ChooserDialog::ok_button_cb>(ok_button_, XmNactivateCallback, this);
    add_member_callback<ChooserDialog, &ChooserDialog::cancel_button_cb>(cancel, XmNactivateCallback, this);
    add_member_callback<ChooserDialog, &ChooserDialog::help_button_cb>(help_button_, XmNactivateCallback, this);
}

void ChooserDialog::set_handlers(Chosen chosen, int help_topic)
{
    chosen_ = std::move(chosen);
    help_topic_ = help_topic;
}

void ChooserDialog::open(const std::string& left_title, const std::string& right_title,
                         const std::vector<std::string>& names)
{
    subset_list_.set_left_list_title(left_title.c_str());
    subset_list_.set_right_list_title(right_title.c_str());
    subset_list_.set_list(names, SubsetList::Left);
    subset_list_.clear(SubsetList::Right);
    xd_show();
}

void ChooserDialog::ok_button_cb(Widget, XtPointer)
{
    std::vector<std::string> names;
    subset_list_.get_list(names, SubsetList::Right);
    if (chosen_)
        chosen_(names);
    xd_hide();
}

void ChooserDialog::cancel_button_cb(Widget, XtPointer) { xd_hide(); }

void ChooserDialog::help_button_cb(Widget, XtPointer)
{
    if (help_topic_)
        show_help_topic(help, help_topic_);
}
