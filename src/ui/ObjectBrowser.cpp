#include "ui/ObjectBrowser.hpp"

#include <Xm/Form.h>
#include <Xm/ScrolledW.h>

#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"

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

    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_add_cb>(add, XmNactivateCallback, this);
    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_close_cb>(close, XmNactivateCallback, this);
    add_member_callback<ObjectBrowser, &ObjectBrowser::object_browser_help_cb>(help_button, XmNactivateCallback,
                                                                               this);
}

void ObjectBrowser::object_browser_close_cb(Widget, XtPointer)
{
    xd_hide();
    destroy_tree();
}

void ObjectBrowser::object_browser_help_cb(Widget, XtPointer) { show_help_topic(help, kHelpTopic); }

// What Add hands to the agent dialogs is the browser code's to decide; with no
// tree there is nothing selected to add.
void ObjectBrowser::object_browser_add_cb(Widget, XtPointer) {}
