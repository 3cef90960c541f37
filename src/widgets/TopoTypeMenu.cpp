#include "widgets/TopoTypeMenu.hpp"

#include <Xm/PushB.h>
#include <Xm/Xm.h>

#include "gui/WidgetMaker.hpp"
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

TopoTypeMenu::TopoTypeMenu(Widget pulldown, XtCallbackProc callback, const RWTValSlist<RWCString>& type_names)
{
    for (const RWCString& name : arrange(type_names, kind_rank)) {
        names_.push_back(std::make_unique<std::string>(name));
        Widget button = make_button(pulldown, name.c_str(), name.c_str());
        XtAddCallback(button, XmNactivateCallback, callback, const_cast<char*>(names_.back()->c_str()));
        buttons_.push_back(button);
    }
}

TopoTypeMenu::~TopoTypeMenu()
{
    for (Widget button : buttons_) {
        XtUnmanageChild(button);
        XtDestroyWidget(button);
    }
}
