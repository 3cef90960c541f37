#include "gui/XmStr.hpp"

XmStr::XmStr(const char* text) : value_(XmStringCreateLocalized(const_cast<char*>(text ? text : ""))) {}

XmStr::~XmStr() { XmStringFree(value_); }

std::string XmStr::to_string(XmString value)
{
    if (!value)
        return {};
    char* text = static_cast<char*>(XmStringUnparse(value, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0,
                                                    XmOUTPUT_ALL));
    std::string result = text ? text : "";
    XtFree(text);
    return result;
}

std::string XmStr::of_resource(Widget widget, const char* resource)
{
    XmString value = nullptr;
    XtVaGetValues(widget, resource, &value, nullptr);
    std::string text = to_string(value);
    XmStringFree(value);
    return text;
}

void free_string_list(int n, XmString* list)
{
    for (int i = 0; i < n; ++i)
        XmStringFree(list[i]);
    XtFree(reinterpret_cast<char*>(list));
}
