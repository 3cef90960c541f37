#include "ui/ChooserDialog.hpp"

#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"

void ChooserDialog::create(Widget parent, const char* name, int title_number, const char* title)
{
    Widget box = create_template(parent, name, "chooser_template", cat_text(kToolSet, title_number, title));
    ok_button_ = make_button(box, "ok_button", cat_text(kDialogSet, 405, "OK"));
    Widget cancel = make_button(box, "cancel_button", cat_text(kDialogSet, 406, "Cancel"));
    help_button_ = make_button(box, "help_button", cat_text(kDialogSet, 807, "Help"));
    set_answer_buttons(box, ok_button_, cancel);
    work_form_ = make_form(box, "work_form");
    add_member_callback<ChooserDialog, &ChooserDialog::cancel_button_cb>(cancel, XmNactivateCallback, this);
}

void ChooserDialog::cancel_button_cb(Widget, XtPointer) { xd_hide(); }
