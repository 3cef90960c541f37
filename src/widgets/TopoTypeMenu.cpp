#include "widgets/TopoTypeMenu.hpp"

#include <Xm/PushB.h>
#include <Xm/Xm.h>

#include "gui/Args.hpp"
#include "gui/XmStr.hpp"
#include "platform/QvTopoType.hpp"

namespace {

// The group a type is listed in; a type of several kinds goes with the first.
int kind_rank(const RWCString& type)
{
    using Test = bool (*)(const RWCString&);
    static const Test tests[] = {&QvTopoType::is_view,  &QvTopoType::is_device, &QvTopoType::is_monitor,
                                 &QvTopoType::is_array, &QvTopoType::is_link,   &QvTopoType::is_bus,
                                 &QvTopoType::is_container};
    const int count = static_cast<int>(sizeof tests / sizeof tests[0]);
    for (int rank = 0; rank < count; ++rank)
        if (tests[rank](type))
            return rank;
    return count;
}

}  // namespace

// The buttons are made unmanaged and managed together: the menu lays its
// children out at each change, so one at a time costs the square of the
// number of types.
TopoTypeMenu::TopoTypeMenu(Widget pulldown, XtCallbackProc callback, const RWTValSlist<RWCString>& type_names)
{
    for (const RWCString& name : arrange(type_names, kind_rank)) {
        names_.push_back(std::make_unique<std::string>(name));
        XmStr label(name);
        Args args;
        args.add(XmNlabelString, label.get());
        Widget button = XtCreateWidget(name.c_str(), xmPushButtonWidgetClass, pulldown, args.list(), args.count());
        XtAddCallback(button, XmNactivateCallback, callback, const_cast<char*>(names_.back()->c_str()));
        buttons_.push_back(button);
    }
    XtManageChildren(buttons_.data(), static_cast<Cardinal>(buttons_.size()));
}

TopoTypeMenu::~TopoTypeMenu()
{
    XtUnmanageChildren(buttons_.data(), static_cast<Cardinal>(buttons_.size()));
    for (Widget button : buttons_)
        XtDestroyWidget(button);
}
