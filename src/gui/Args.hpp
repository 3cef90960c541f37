// A small builder for Xt argument lists, instead of XtSetArg boilerplate:
//
//   Args args;
//   args.add(XmNwidth, 600).add(XmNtitle, "x");
//   XtSetValues(w, args.list(), args.count());
#pragma once

#include <vector>

#include <X11/Intrinsic.h>

class Args {
public:
    template <class T>
    Args& add(const char* name, T value)
    {
        Arg arg;
        XtSetArg(arg, const_cast<String>(name), to_xt(value));
        args_.push_back(arg);
        return *this;
    }

    ArgList list() { return args_.empty() ? nullptr : args_.data(); }
    Cardinal count() const { return static_cast<Cardinal>(args_.size()); }

    // Applies the list to a widget.
    void set_on(Widget widget) { XtSetValues(widget, list(), count()); }

private:
    template <class T>
    static XtArgVal to_xt(T* value)
    {
        return reinterpret_cast<XtArgVal>(value);
    }
    template <class T>
    static XtArgVal to_xt(const T* value)
    {
        return reinterpret_cast<XtArgVal>(const_cast<T*>(value));
    }
    template <class T>
    static XtArgVal to_xt(T value)
    {
        return static_cast<XtArgVal>(value);
    }

    std::vector<Arg> args_;
};
