// An owned XmString, freed when it goes out of scope.
#pragma once

#include <string>

#include <Xm/Xm.h>

class XmStr {
public:
    explicit XmStr(const char* text);
    explicit XmStr(const std::string& text) : XmStr(text.c_str()) {}
    ~XmStr();
    XmStr(const XmStr&) = delete;
    XmStr& operator=(const XmStr&) = delete;

    operator XmString() const { return value_; }
    XmString get() const { return value_; }

    // The text of a compound string (empty for null).
    static std::string to_string(XmString value);
    // The text of a compound-string resource (XmNlabelString, XmNmessageString,
    // ...), whose value Motif hands out as a copy to free.
    static std::string of_resource(Widget widget, const char* resource);

private:
    XmString value_;
};

// Frees the first n compound strings of list, then the list itself; list
// must not be null.
void free_string_list(int n, XmString* list);
