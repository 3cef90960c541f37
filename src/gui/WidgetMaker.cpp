#include "gui/WidgetMaker.hpp"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>

#include "gui/XmStr.hpp"

Widget make_widget(WidgetClass widget_class, Widget parent, const char* name, Args args)
{
    return XtCreateManagedWidget(name, widget_class, parent, args.list(), args.count());
}

Widget make_form(Widget parent, const char* name, Args args)
{
    return make_widget(xmFormWidgetClass, parent, name, std::move(args));
}

Widget make_label(Widget parent, const char* name, const char* text, Args args)
{
    XmStr label(text);
    args.add(XmNlabelString, label.get());
    return make_widget(xmLabelWidgetClass, parent, name, std::move(args));
}

Widget make_button(Widget parent, const char* name, const char* text, Args args)
{
    XmStr label(text);
    args.add(XmNlabelString, label.get());
    return make_widget(xmPushButtonWidgetClass, parent, name, std::move(args));
}

Widget make_text_field(Widget parent, const char* name, Args args)
{
    return make_widget(xmTextFieldWidgetClass, parent, name, std::move(args));
}

Widget make_frame(Widget parent, const char* name, const char* title_name, const char* title_text, Widget* title,
                  Args args)
{
    Widget frame = make_widget(xmFrameWidgetClass, parent, name, std::move(args));
    Args title_args;
    title_args.add(XmNchildType, XmFRAME_TITLE_CHILD);
    Widget label = make_label(frame, title_name, title_text, title_args);
    if (title)
        *title = label;
    return frame;
}

Widget make_scrolled_list(Widget parent, const char* name, int visible_items, unsigned char selection_policy,
                          Args args)
{
    args.add(XmNvisibleItemCount, visible_items).add(XmNselectionPolicy, selection_policy);
    Widget list = XmCreateScrolledList(parent, const_cast<char*>(name), args.list(), args.count());
    XtManageChild(list);
    return list;
}

void set_list_items(Widget list, const std::vector<std::string>& texts)
{
    XmListDeleteAllItems(list);
    for (const std::string& text : texts) {
        XmStr item(text);
        XmListAddItemUnselected(list, item.get(), 0);
    }
}

Widget make_titled_list(Widget form, const char* label_name, const char* label_text, const char* list_name,
                        int visible_items, unsigned char selection_policy)
{
    Widget label = make_label(form, label_name, label_text,
                              Args().add(XmNtopAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM));
    Widget list = make_scrolled_list(form, list_name, visible_items, selection_policy);
    Args()
        .add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, label)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM)
        .set_on(XtParent(list));
    return list;
}

void set_label_text(Widget label, const char* text)
{
    XmStr value(text);
    Args().add(XmNlabelString, value.get()).set_on(label);
}

std::string get_label_text(Widget label) { return XmStr::of_resource(label, XmNlabelString); }
