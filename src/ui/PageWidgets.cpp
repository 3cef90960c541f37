#include "ui/PageWidgets.hpp"

#include <cstdio>
#include <cstdlib>

#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

Widget make_radio_box(Widget parent, const char* name, Args args)
{
    args.add(XmNorientation, XmHORIZONTAL).add(XmNmarginHeight, 0).add(XmNmarginWidth, 0);
    Widget box = XmCreateRadioBox(parent, const_cast<char*>(name), args.list(), args.count());
    XtManageChild(box);
    return box;
}

Widget make_toggle(Widget parent, const char* name, const char* text, Args args)
{
    XmStr label(text);
    args.add(XmNlabelString, label.get());
    return make_widget(xmToggleButtonWidgetClass, parent, name, std::move(args));
}

Widget make_row(Widget parent, const char* name, Args args)
{
    args.add(XmNorientation, XmHORIZONTAL).add(XmNmarginHeight, 0).add(XmNmarginWidth, 0);
    return make_widget(xmRowColumnWidgetClass, parent, name, std::move(args));
}

void set_field_text(Widget field, const std::string& text)
{
    XmTextFieldSetString(field, const_cast<char*>(text.c_str()));
}

std::string field_text(Widget field)
{
    char* text = XmTextFieldGetString(field);
    std::string value = text ? text : "";
    XtFree(text);
    return value;
}

long field_number(Widget field) { return std::atol(field_text(field).c_str()); }

void select_toggle(Widget on, Widget off)
{
    XmToggleButtonSetState(on, True, False);
    XmToggleButtonSetState(off, False, False);
}

bool toggle_is_set(Widget toggle) { return XmToggleButtonGetState(toggle); }

void set_sensitive(std::initializer_list<Widget> widgets, bool sensitive)
{
    for (Widget widget : widgets)
        XtSetSensitive(widget, sensitive ? True : False);
}

void set_managed(Widget widget, bool managed)
{
    if (managed)
        XtManageChild(widget);
    else
        XtUnmanageChild(widget);
}

bool may_edit(unsigned char right) { return create_node || right; }

void page_error(const std::string& message)
{
    error_dialog(object_config_tool->tolvar_dialog(), message.c_str(), cancel_error, cancel_error);
}

std::string page_text(int number, const char* fallback, int value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, cat_text(kToolSet, number, fallback), value);
    return buffer;
}

std::string page_text(int number, const char* fallback, const std::string& value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, cat_text(kToolSet, number, fallback), value.c_str());
    return buffer;
}
