#include <gtest/gtest.h>

#include "driver/BrowserDriver.hpp"

#include <Xm/HierarchyP.h>
#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/DragPointer.hpp"
#include "driver/GuiDriver.hpp"
#include "ui/Browser.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {

void press_browser()
{
    activate(in(snmp_config_dialog(), "mib_browser_button"));
    ASSERT_TRUE(pump_until([] { return is_viewable(object_browser()->shell()); }));
}

Browser* object_named(const std::string& name)
{
    Browser* object = find_album_object(name);
    EXPECT_NE(object, nullptr) << name;
    return object;
}

// The folder (open/close) button the outline shows beside a node: the
// outline keeps it in the node's constraints.
static Widget folder_button(Widget node)
{
    auto* constraints = reinterpret_cast<HierarchyConstraints>(node->core.constraints);
    return XmHierarchyC_open_close_button(constraints);
}

void click_folder(Widget node)
{
    Widget folder = folder_button(node);
    ASSERT_NE(folder, nullptr) << XtName(node);
    ASSERT_TRUE(pump_until([&] { return is_viewable(folder); })) << XtName(node);
    XmHierarchyNodeState before = XmClosed;
    XtVaGetValues(node, XmNnodeState, &before, nullptr);
    const ScreenPoint at = center_of(folder);
    // A second click within the multi-click time is a double click, which
    // the folder ignores: a test clicks faster than a user.
    Display* dpy = XtDisplay(node);
    const int multi_click = XtGetMultiClickTime(dpy);
    XtSetMultiClickTime(dpy, 0);
    xdotool({"mousemove", std::to_string(at.x), std::to_string(at.y), "click", "1"});
    // An opened node derives its children from the server within the click.
    const bool changed = pump_until([&] {
        XmHierarchyNodeState now = before;
        XtVaGetValues(node, XmNnodeState, &now, nullptr);
        return now != before;
    });
    XtSetMultiClickTime(dpy, multi_click);
    ASSERT_TRUE(changed) << "the click on the folder of " << XtName(node) << " changed nothing";
    settle();
}

}  // namespace qv::gui
