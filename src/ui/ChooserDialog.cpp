#include "ui/ChooserDialog.hpp"

#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "main/Catalogue.hpp"

void ChooserDialog::create(Widget parent, const char* name, int title_number, const char* title)
{
    const TemplateDialog dialog =
        create_template_dialog(parent, name, "chooser_template", cat_text(kToolSet, title_number, title));
    _xd_rootwidget = dialog.shell;
    _xd_dialogwidget = dialog.box;
    ok_button_ = make_button(dialog.box, "ok_button", cat_text(kDialogSet, 405, "OK"));
    Widget cancel = make_button(dialog.box, "cancel_button", cat_text(kDialogSet, 406, "Cancel"));
    help_button_ = make_button(dialog.box, "help_button", cat_text(kDialogSet, 807, "Help"));
    work_form_ = make_form(dialog.box, "work_form");
    add_member_callback<ChooserDialog, &ChooserDialog::cancel_button_cb>(cancel, XmNactivateCallback, this);
}

void ChooserDialog::cancel_button_cb(Widget, XtPointer) { xd_hide(); }
