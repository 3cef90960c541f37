#include <gtest/gtest.h>

#include "driver/BrowserDriver.hpp"

#include <Xm/Hierarchy.h>
#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/GuiDriver.hpp"
#include "ui/Apply.hpp"
#include "ui/Browser.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {

void press_browser()
{
    activate(in(snmp_config_dialog, "mib_browser_button"));
    ASSERT_TRUE(pump_until([] { return is_viewable(object_browser->shell()); }));
}

Browser* object_named(const std::string& name)
{
    Browser* object = find_album_object(name);
    EXPECT_NE(object, nullptr) << name;
    return object;
}

void set_node_open(Widget node, bool open)
{
    const XmHierarchyNodeState state = open ? XmOpen : XmClosed;
    XtVaSetValues(node, XmNnodeState, state, nullptr);
    XmHierarchyNodeStateData data{node, state};
    XtCallCallbacks(XtParent(node), XmNnodeStateCallback, &data);
    // An opened node derives its children from the server meanwhile.
    ASSERT_TRUE(pump_until([] { return !derive_in_progress; }));
    settle();
}

}  // namespace qv::gui
