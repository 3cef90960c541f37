// The object browser opened from the SNMP dialog against the fixture: the
// tree below an agent, derived one node at a time as the user opens nodes,
// following objects created and deleted by another client, and Add writing
// the chosen object's path into the dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <Xm/Hierarchy.h>
#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/BrowserDriver.hpp"
#include "driver/DragPointer.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "platform/QvAgents.hpp"
#include "support/CountingProxy.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Browser.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using BrowserTest = ToolTest;

// The SNMP dialog from the Agents tab, its host typed and entered.
void open_snmp_dialog(const std::string& host)
{
    show_page("agent_scroll");
    activate(page_widget("add_button"));
    ASSERT_TRUE(pump_until([] { return is_viewable(snmp_config_dialog()->shell()); }));
    set_text(in(snmp_config_dialog(), "mo_name_text"), host);
    activate(in(snmp_config_dialog(), "mo_name_text"));
}

// What the outline shows below a node, top to bottom: the labels of the
// child nodes, by their place on the screen.
std::vector<std::string> shown_children(Widget parent)
{
    std::vector<std::pair<Position, std::string>> rows;
    for (Browser* object : Browser::object_list) {
        if (!object->widget || find_album_object(object->parent_name) == nullptr ||
            find_album_object(object->parent_name)->widget != parent || !XtIsManaged(object->widget))
            continue;
        Position y = 0;
        XtVaGetValues(object->widget, XmNy, &y, nullptr);
        rows.emplace_back(y, label_of(object->widget));
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> labels;
    for (const auto& row : rows)
        labels.push_back(row.second);
    return labels;
}

int state_of(Widget node)
{
    XmHierarchyNodeState state = XmClosed;  // the resource is an enum, not a byte
    XtVaGetValues(node, XmNnodeState, &state, nullptr);
    return state;
}

int derives(const qv::test::CountingProxy& proxy)
{
    const auto counts = proxy.requests_by_op();
    const auto it = counts.find("derive");
    return it == counts.end() ? 0 : it->second;
}

TEST_F(BrowserTest, NewAgentIsCreatedThenEachNodeIsDerivedOnceAndFollowsTheServer)
{
    auto server = start_server(false);
    qv::test::CountingProxy proxy(server->port());
    answer_error_dialogs();
    start_tool({"-id", "16"}, server.get(), {{"QV_PORT", std::to_string(proxy.port())}});

    // An agent the server does not hold: created, not listed, the root.
    open_snmp_dialog("localhost");
    const int listed = agent_page->num_agents();
    press_browser();
    const std::string fresh = snmp_dn(*server, "localhost");
    EXPECT_EQ(stored(*server, fresh, "getCommunity"), "gusset");
    EXPECT_EQ(agent_page->num_agents(), listed);
    EXPECT_EQ(browser_parent, fresh);
    ASSERT_EQ(Browser::object_list.size(), 1u);
    EXPECT_EQ(Browser::object_list.front()->name, fresh);

    // The fixture's agent: its four groups, closed, in name order.
    set_text(in(snmp_config_dialog(), "mo_name_text"), "fx-router");
    activate(in(snmp_config_dialog(), "mo_name_text"));
    proxy.reset();
    press_browser();
    const std::string root = snmp_dn(*server, "fx-router");
    EXPECT_EQ(derives(proxy), 1);
    Widget root_node = object_named(root)->widget;
    ASSERT_NE(root_node, nullptr);
    EXPECT_EQ(state_of(root_node), XmOpen);
    EXPECT_EQ(shown_children(root_node), (std::vector<std::string>{"mibGroupId=\"hrSWRun\"", "mibGroupId=\"hrStorage\"",
                                                                  "mibGroupId=\"interfaces\"", "mibGroupId=\"system\""}));

    // Opening a node derives it once; a node without children changes nothing.
    Widget interfaces = object_named(root + "/mibGroupId=\"interfaces\"")->widget;
    click_folder(interfaces);
    EXPECT_EQ(derives(proxy), 2);
    EXPECT_EQ(shown_children(interfaces), (std::vector<std::string>{"ifEntryId=1", "ifEntryId=2", "ifEntryId=3"}));
    click_folder(interfaces);
    click_folder(interfaces);
    EXPECT_EQ(derives(proxy), 2);
    const std::size_t objects = Browser::object_list.size();
    click_folder(object_named(root + "/mibGroupId=\"system\"")->widget);
    EXPECT_EQ(derives(proxy), 3);
    EXPECT_EQ(Browser::object_list.size(), objects);

    // Another client creates an entry: a closed child in sorted position.
    admin(*server, {"create", root + "/mibGroupId=\"interfaces\"/ifEntryId=25", "ifEntry"});
    const std::vector<std::string> sorted = {"ifEntryId=1", "ifEntryId=2", "ifEntryId=25", "ifEntryId=3"};
    pump_until([&] { return shown_children(interfaces) == sorted; });
    EXPECT_EQ(shown_children(interfaces), sorted);
    EXPECT_EQ(state_of(object_named(root + "/mibGroupId=\"interfaces\"/ifEntryId=25")->widget), XmClosed);

    // Deleting the last child of a node closes it.
    Widget storage = object_named(root + "/mibGroupId=\"hrStorage\"")->widget;
    click_folder(storage);
    ASSERT_EQ(shown_children(storage).size(), 2u);
    admin(*server, {"delete", root + "/mibGroupId=\"hrStorage\"/hrStorageEntryId=1"});
    admin(*server, {"delete", root + "/mibGroupId=\"hrStorage\"/hrStorageEntryId=2"});
    ASSERT_TRUE(pump_until([&] { return state_of(storage) == XmClosed; }));
    EXPECT_TRUE(shown_children(storage).empty());

    // Close drops the tree; the next " Browser... " builds it again.
    activate(find_widget_in(object_browser()->shell(), "object_broser_close_btn"));
    EXPECT_FALSE(is_viewable(object_browser()->shell()));
    EXPECT_TRUE(Browser::object_list.empty());
    press_browser();
    ASSERT_NE(find_album_object(root), nullptr);
    EXPECT_EQ(shown_children(object_named(root)->widget).size(), 4u);
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
}

TEST_F(BrowserTest, ServerLostWhileANodeDerivesEndsInTheDisconnectionDialog)
{
    auto server = start_server(false);
    EXPECT_EXIT(
        {
            qv::test::CountingProxy proxy(server->port());
            report_exit_status();
            start_tool({"-id", "10"}, server.get(), {{"QV_PORT", std::to_string(proxy.port())}});
            on_widget("ErrorDialog", [](Widget box) {
                std::fprintf(stderr, "dialog: %s\n", message_of(box).c_str());
                press_box_button(box, XmDIALOG_OK_BUTTON);
            });
            open_snmp_dialog("fx-router");
            press_browser();
            // The server dies as the derivation of the opened node reaches it.
            proxy.on_request([&server](const std::string& op) {
                if (op == "derive")
                    server->kill9();
            });
            click_folder(object_named(snmp_dn(*server, "fx-router") + "/mibGroupId=\"interfaces\"")->widget);
            pump_until([] { return false; }, 60);
        },
        testing::ExitedWithCode(0), "dialog: Platform has disconnected\n.*exit status 0");
}

TEST_F(BrowserTest, AddWritesThePathBelowTheRootOfTheSelectedNode)
{
    auto server = start_server(false);
    answer_error_dialogs();
    start_tool({"-id", "10"}, server.get());
    open_snmp_dialog("fx-router");
    press_browser();
    const std::string root = snmp_dn(*server, "fx-router");
    Widget path = in(snmp_config_dialog(), "mo_fdn_text");
    Widget add = find_widget_in(object_browser()->shell(), "object_browser_add_btn");

    Widget interfaces = object_named(root + "/mibGroupId=\"interfaces\"")->widget;
    click_folder(interfaces);
    activate(object_named(root + "/mibGroupId=\"interfaces\"/ifEntryId=2")->widget);
    activate(add);
    EXPECT_EQ(text_of(path), "/mibGroupId=\"interfaces\"/ifEntryId=2");

    activate(object_named(root)->widget);
    activate(add);
    EXPECT_EQ(text_of(path), "");

    // A second click on the selected node leaves nothing selected: Add
    // then does nothing.
    activate(interfaces);
    activate(interfaces);
    EXPECT_EQ(current_selected, nullptr);
    EXPECT_TRUE(Browser::selected_list.empty());
    set_text(path, "/kept");
    activate(add);
    EXPECT_EQ(text_of(path), "/kept");
    EXPECT_TRUE(is_viewable(object_browser()->shell()));
}

TEST_F(BrowserTest, NodeDroppedOnTheSnmpDialogWritesItsPathAndLeavesNothingSelected)
{
    auto server = start_server(false);
    answer_error_dialogs();
    start_tool({"-id", "10"}, server.get());
    open_snmp_dialog("fx-router");
    press_browser();
    // Beside the dialog, as a window manager would place it.
    XtVaSetValues(object_browser()->shell(), XmNx, 660, XmNy, 0, nullptr);
    const std::string root = snmp_dn(*server, "fx-router");
    Widget path = in(snmp_config_dialog(), "mo_fdn_text");
    Widget interfaces = object_named(root + "/mibGroupId=\"interfaces\"")->widget;
    ASSERT_TRUE(pump_until([&] { return is_viewable(interfaces) && is_viewable(path); }));

    drag_with_button2(center_of(interfaces), center_of(path));
    ASSERT_TRUE(pump_until([&] { return text_of(path) == "/mibGroupId=\"interfaces\""; })) << text_of(path);
    EXPECT_EQ(current_selected, nullptr);
    EXPECT_TRUE(Browser::selected_list.empty());
}

}  // namespace
}  // namespace qv::gui
